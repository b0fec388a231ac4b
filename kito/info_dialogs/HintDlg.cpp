#include "kito/info_dialogs/HintDlg.h"

#include "kito/resource.h"

namespace vexa::kito {

HintDlg::HintDlg(std::wstring text, std::wstring caption, std::wstring checkText, std::wstring okText, bool showCheck)
    : DontShowAgainDlg(IDD_HINT, IDC_HINT_CHECK, std::move(caption), std::move(checkText), std::move(okText), showCheck),
      text_(std::move(text)) {}

BOOL HintDlg::OnInitDialog() {
    labelFrame();
    SetDlgItemText(IDC_HINT_TEXT, text_);
    return DontShowAgainDlg::OnInitDialog();
}

}  // namespace vexa::kito
