#include "kito/info_dialogs/HtmlDlg.h"

#include "kito/resource.h"

namespace vexa::kito {

HtmlDlg::HtmlDlg(std::wstring url, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck)
    : DontShowAgainDlg(IDD_HTML, IDC_HTML_CHECK, std::move(caption), std::move(checkText), std::move(okText), showCheck),
      url_(std::move(url)) {}

void HtmlDlg::DoDataExchange(CDataExchange* dx) {
    DontShowAgainDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_HTML_BROWSER, browser_);
}

BOOL HtmlDlg::OnInitDialog() {
    // The browser control is attached by the data exchange the base runs, before it navigates.
    DontShowAgainDlg::OnInitDialog();
    labelFrame();
    browser_.Navigate(url_.c_str(), nullptr, nullptr, nullptr, nullptr);
    return TRUE;
}

}  // namespace vexa::kito
