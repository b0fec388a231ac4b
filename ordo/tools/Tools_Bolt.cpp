#include "ordo/tools/Tools_Bolt.h"

#include "frame/dialog_controls.h"
#include "ordo/tools/radio_groups.h"
#include "frame/captions.h"

namespace vexa::ordo {

Tools_Bolt::Tools_Bolt(BoltOptions& options) : CAdUiBaseDialog(IDD_TOOLS_BOLT), options_(options) {}

void Tools_Bolt::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_TYPE_0, options_.choice.type);
    DDX_Radio(dx, IDC_DIAMETER_2, options_.choice.diameter);
    DDX_Radio(dx, IDC_VIEW_TOP, options_.choice.view);
}

BOOL Tools_Bolt::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    applyTypeRule();
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_TYPE_GROUP, 1},
                  {IDC_TYPE_0, 2},
                  {IDC_TYPE_1, 3},
                  {IDC_TYPE_2, 4},
                  {IDC_TYPE_3, 5},
                  {IDC_TYPE_4, 6},
                  {IDC_DIAMETER_GROUP, 7},
                  {IDC_BOLT_VIEW_GROUP, 8},
                  {IDC_VIEW_TOP, 9},
                  {IDC_VIEW_FRONT, 10},
                  {IDC_VIEW_BOTTOM, 11},
                  {IDOK, 12},
                  {IDCANCEL, 13}});
    UpdateData(FALSE);
    return TRUE;
}

void Tools_Bolt::applyTypeRule() {
    const BoltAvailability availability = boltAvailability(options_.choice.type);
    frame::enableControls(*this, std::span(kDiameterRadios).first(kBoltDiameterCount), availability.diameters);
    frame::enableControls(*this, kViewRadios, availability.views);
    options_.choice = applyBoltRule(options_.choice);
}

BOOL Tools_Bolt::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (frame::clickedOneOf(wParam, kTypeRadios)) {
        UpdateData(TRUE);
        applyTypeRule();
        UpdateData(FALSE);
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

}  // namespace vexa::ordo
