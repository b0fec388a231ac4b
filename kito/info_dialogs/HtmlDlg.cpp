#include "kito/info_dialogs/HtmlDlg.h"

#include "kito/resource.h"

namespace vexa::kito {

HtmlDlg::HtmlDlg(std::wstring url, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck)
    : KeepFocusDialog(IDD_HTML),
      url_(std::move(url)),
      caption_(std::move(caption)),
      checkText_(std::move(checkText)),
      okText_(std::move(okText)),
      showCheck_(showCheck) {}

void HtmlDlg::DoDataExchange(CDataExchange* dx) {
    KeepFocusDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HTML_BROWSER, browser_);
}

BOOL HtmlDlg::OnInitDialog() {
    KeepFocusDialog::OnInitDialog();
    SetWindowText(caption_);
    browser_.Navigate(url_.c_str(), nullptr, nullptr, nullptr, nullptr);
    SetDlgItemText(IDC_HTML_CHECK, checkText_);
    SendDlgItemMessage(IDC_HTML_CHECK, BM_SETCHECK, BST_UNCHECKED);
    SetDlgItemText(IDOK, okText_);
    if (CWnd* check = GetDlgItem(IDC_HTML_CHECK)) check->ShowWindow(showCheck_ ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void HtmlDlg::OnOK() {
    result_ = static_cast<int>(SendDlgItemMessage(IDC_HTML_CHECK, BM_GETCHECK));
    KeepFocusDialog::OnOK();
}

}  // namespace vexa::kito
