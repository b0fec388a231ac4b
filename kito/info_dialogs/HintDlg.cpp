#include "kito/info_dialogs/HintDlg.h"

#include "kito/resource.h"

namespace vexa::kito {

HintDlg::HintDlg(std::wstring text, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck)
    : KeepFocusDialog(IDD_HINT),
      text_(std::move(text)),
      caption_(std::move(caption)),
      checkText_(std::move(checkText)),
      okText_(std::move(okText)),
      showCheck_(showCheck) {}

BOOL HintDlg::OnInitDialog() {
    SetWindowText(caption_);
    SetDlgItemText(IDC_HINT_TEXT, text_);
    SetDlgItemText(IDC_HINT_CHECK, checkText_);
    SetDlgItemText(IDOK, okText_);
    if (CWnd* check = GetDlgItem(IDC_HINT_CHECK)) check->ShowWindow(showCheck_ ? SW_SHOW : SW_HIDE);
    return KeepFocusDialog::OnInitDialog();
}

void HintDlg::OnOK() {
    result_ = static_cast<int>(SendDlgItemMessage(IDC_HINT_CHECK, BM_GETCHECK));
    KeepFocusDialog::OnOK();
}

}  // namespace vexa::kito
