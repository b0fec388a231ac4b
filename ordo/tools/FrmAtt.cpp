#include "ordo/tools/FrmAtt.h"

#include "ordo/tools/resource_chamfer_frame.h"
#include "frame/captions.h"

namespace vexa::ordo {

namespace {

// The box of each field slot, in slot order.
constexpr int kFieldBoxes[kFrameFieldSlots] = {
    IDC_FRM_RA,       IDC_FRM_TOLERANCE, IDC_FRM_TREATMENT, IDC_FRM_MATERIAL, IDC_FRM_SPECIFICATION, IDC_FRM_AMOUNT,
    IDC_FRM_SCALE,    IDC_FRM_DATE,      IDC_FRM_VERSION,   IDC_FRM_NAME,     IDC_FRM_APPROVAL,      IDC_FRM_CHECKED,
    IDC_FRM_DESIGN,   IDC_FRM_DRAWN,     IDC_FRM_FILE,      IDC_FRM_USERDEF1, IDC_FRM_USERDEF2,      IDC_FRM_USERDEF3,
};

}  // namespace

FrmAtt::FrmAtt(FrmAttOptions& options) : CAdUiBaseDialog(IDD_FRM_ATT), options_(options) {}

BOOL FrmAtt::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    for (std::size_t slot = 0; slot < kFrameFieldSlots; ++slot) SetDlgItemText(kFieldBoxes[slot], options_.fields[slot]);
    // Caption slots 2 to 19 are the labels of field slots 0 to 17.
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_FRM_ATTRIBUTES_GROUP, 1},
                  {IDC_FRM_RA_LABEL, 2},
                  {IDC_FRM_TOLERANCE_LABEL, 3},
                  {IDC_FRM_TREATMENT_LABEL, 4},
                  {IDC_FRM_MATERIAL_LABEL, 5},
                  {IDC_FRM_SPECIFICATION_LABEL, 6},
                  {IDC_FRM_AMOUNT_LABEL, 7},
                  {IDC_FRM_SCALE_LABEL, 8},
                  {IDC_FRM_DATE_LABEL, 9},
                  {IDC_FRM_VERSION_LABEL, 10},
                  {IDC_FRM_NAME_LABEL, 11},
                  {IDC_FRM_APPROVAL_LABEL, 12},
                  {IDC_FRM_CHECKED_LABEL, 13},
                  {IDC_FRM_DESIGN_LABEL, 14},
                  {IDC_FRM_DRAWN_LABEL, 15},
                  {IDC_FRM_FILE_LABEL, 16},
                  {IDC_FRM_USERDEF1_LABEL, 17},
                  {IDC_FRM_USERDEF2_LABEL, 18},
                  {IDC_FRM_USERDEF3_LABEL, 19},
                  {IDOK, 20},
                  {IDCANCEL, 21}});
    return TRUE;
}

void FrmAtt::OnOK() {
    for (std::size_t slot = 0; slot < kFrameFieldSlots; ++slot) options_.fields[slot] = GetDlgItem(kFieldBoxes[slot])->GetWindowText();
    EndDialog(IDOK);
}

}  // namespace vexa::ordo
