#include "ordo/tools/DeChamf.h"

#include "frame/captions.h"
#include "frame/number_fields.h"
#include "ordo/tools/resource_chamfer_frame.h"

namespace vexa::ordo {

DeChamf::DeChamf(DeChamfOptions& options)
    : CAdUiBaseDialog(IDD_DECHAMF),
      options_(options),
      fillet_(numberFieldText(options.fillet)),
      chamfer_(numberFieldText(options.chamfer)) {}

BOOL DeChamf::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    SetDlgItemText(IDC_DECHAMF_FILLET, fillet_.text());
    SetDlgItemText(IDC_DECHAMF_CHAMFER, chamfer_.text());
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                                      {{IDC_DECHAMF_VALUE_GROUP, 1},
                                       {IDC_DECHAMF_FILLET_LABEL, 2},
                                       {IDC_DECHAMF_CHAMFER_LABEL, 3},
                                       {IDC_DECHAMF_README, 4},
                                       {IDOK, 5},
                                       {IDCANCEL, 6}});
    opened_ = true;
    return TRUE;
}

BOOL DeChamf::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (opened_ && HIWORD(wParam) == EN_CHANGE) {
        const int id = LOWORD(wParam);
        if (id == IDC_DECHAMF_FILLET || id == IDC_DECHAMF_CHAMFER) {
            frame::checkNumberEdit(*static_cast<CEdit*>(GetDlgItem(id)), id == IDC_DECHAMF_FILLET ? fillet_ : chamfer_);
            return TRUE;
        }
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void DeChamf::OnOK() {
    options_.fillet = frame::leadingNumber(GetDlgItem(IDC_DECHAMF_FILLET)->GetWindowText());
    options_.chamfer = frame::leadingNumber(GetDlgItem(IDC_DECHAMF_CHAMFER)->GetWindowText());
    EndDialog(IDOK);
}

}  // namespace vexa::ordo
