#include "kito/info_dialogs/DontShowAgainDlg.h"

#include <utility>

namespace vexa::kito {

DontShowAgainDlg::DontShowAgainDlg(UINT templateId, int checkId, std::wstring caption, std::wstring checkText,
                                   std::wstring okText, bool showCheck)
    : KeepFocusDialog(templateId),
      checkId_(checkId),
      caption_(std::move(caption)),
      checkText_(std::move(checkText)),
      okText_(std::move(okText)),
      showCheck_(showCheck) {}

void DontShowAgainDlg::labelFrame() {
    SetWindowText(caption_);
    SetDlgItemText(checkId_, checkText_);
    SendDlgItemMessage(checkId_, BM_SETCHECK, BST_UNCHECKED);
    SetDlgItemText(IDOK, okText_);
    if (CWnd* check = GetDlgItem(checkId_)) check->ShowWindow(showCheck_ ? SW_SHOW : SW_HIDE);
}

void DontShowAgainDlg::OnOK() {
    result_ = static_cast<int>(SendDlgItemMessage(checkId_, BM_GETCHECK));
    KeepFocusDialog::OnOK();
}

}  // namespace vexa::kito
