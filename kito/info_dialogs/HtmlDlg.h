// The web-page hint dialog: a page in the web browser control with a "don't show again" box.
#pragma once

#include <string>

#include "kito/info_dialogs/CExplorer1.h"
#include "kito/keep_focus_dialog.h"

namespace vexa::kito {

class HtmlDlg : public KeepFocusDialog<1> {
public:
    HtmlDlg(std::wstring url, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck);

    int result() const { return result_; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CExplorer1 browser_;
    std::wstring url_;
    std::wstring caption_;
    std::wstring checkText_;
    std::wstring okText_;
    bool showCheck_;
    int result_ = 0;
};

}  // namespace vexa::kito
