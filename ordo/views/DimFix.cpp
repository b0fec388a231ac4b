#include "ordo/views/DimFix.h"

#include "frame/colour_quad.h"
#include "frame/captions.h"
#include "ordo/views/resource_views.h"

namespace vexa::ordo {

namespace {

void selectColour(CAcUiTrueColorComboBox& box, const frame::ColourQuad& quad) {
    const AcCmColor colour = markingColour(quad);
    box.AddColorToMRU(colour);
    box.SetCurSel(box.FindItemByColor(colour));
}

}  // namespace

DimFix::DimFix(MarkingColours& colours) : CAcUiDialog(IDD_DIMFIX), colours_(colours) {}

void DimFix::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LACKING_COLOUR, lackingBox_);
    DDX_Control(dx, IDC_REDUNDANT_COLOUR, redundantBox_);
}

BOOL DimFix::OnInitDialog() {
    // Marking colours are real colours: the lists offer no "ByBlock" or "ByLayer".
    for (CAcUiTrueColorComboBox* box : {&lackingBox_, &redundantBox_}) {
        box->SetUseByBlock(FALSE);
        box->SetUseByLayer(FALSE);
    }
    CAcUiDialog::OnInitDialog();
    selectColour(lackingBox_, colours_.lacking);
    selectColour(redundantBox_, colours_.redundant);
    frame::putCaptionsBlankingMissing(*this, colours_.captions,
                 {{IDC_LACKING_LABEL, 1}, {IDC_REDUNDANT_LABEL, 2}, {IDOK, 3}, {IDCANCEL, 4}});
    return TRUE;
}

void DimFix::OnOK() {
    colours_.lacking = frame::quadFromColour(lackingBox_.GetCurrentItemColor());
    colours_.redundant = frame::quadFromColour(redundantBox_.GetCurrentItemColor());
    CAcUiDialog::OnOK();
}

}  // namespace vexa::ordo
