// The modeless progress window of "Vexa-ProgressDlg": a caption line, a percentage and a bar.
#pragma once

#include <string>

#include "acad/acui.h"

namespace vexa::setup {

class Progress : public CAdUiBaseDialog {
public:
    explicit Progress(std::wstring caption);

    // Shows the value as "N%" and moves the bar, unless it is the value shown last. The bar
    // clamps to 0..100; the label and the comparison keep the value as given.
    void showPercent(int percent);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    std::wstring caption_;
    int shownPercent_ = 0;
    CProgressCtrl m_progress;
};

}  // namespace vexa::setup
