// The web-page hint dialog: a page in the web browser control with a "don't show again" box.
#pragma once

#include <string>

#include "frame/CExplorer1.h"
#include "kito/info_dialogs/DontShowAgainDlg.h"

namespace vexa::kito {

class HtmlDlg : public DontShowAgainDlg {
public:
    HtmlDlg(std::wstring url, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    frame::CExplorer1 browser_;
    std::wstring url_;
};

}  // namespace vexa::kito
