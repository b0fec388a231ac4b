#include "kito/message_boxes/BlankDlg.h"

#include "kito/resource.h"

namespace vexa::kito {

BlankDlg::BlankDlg(std::wstring text) : CAdUiBaseDialog(IDD_BLANK), text_(std::move(text)) {}

BOOL BlankDlg::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    SetDlgItemText(IDC_BLANK_TEXT, text_);
    return TRUE;
}

}  // namespace vexa::kito
