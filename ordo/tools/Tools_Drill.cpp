#include "ordo/tools/Tools_Drill.h"

#include "frame/dialog_controls.h"
#include "ordo/tools/radio_groups.h"
#include "frame/captions.h"

namespace vexa::ordo {

Tools_Drill::Tools_Drill(DrillOptions& options) : CAdUiBaseDialog(IDD_TOOLS_DRILL), options_(options) {}

void Tools_Drill::exchangeRadios(CDataExchange* dx) {
    DDX_Radio(dx, IDC_TYPE_0, options_.choice.type);
    DDX_Radio(dx, IDC_DIAMETER_2, options_.choice.diameter);
    DDX_Radio(dx, IDC_VIEW_TOP, options_.choice.view);
}

void Tools_Drill::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    exchangeRadios(dx);
    DDX_Text(dx, IDC_USER_SIZE, options_.userSize);
}

BOOL Tools_Drill::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    applyTypeRule();
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_TIPS, 1},
                  {IDC_TYPE_GROUP, 2},
                  {IDC_TYPE_0, 3},
                  {IDC_TYPE_1, 4},
                  {IDC_TYPE_2, 5},
                  {IDC_TYPE_3, 6},
                  {IDC_TYPE_4, 7},
                  {IDC_DIAMETER_GROUP, 8},
                  {IDC_DIAMETER_USER, 9},
                  {IDC_SIZE_LABEL, 10},
                  {IDC_VIEW_GROUP, 11},
                  {IDC_VIEW_TOP, 12},
                  {IDC_VIEW_FRONT, 13},
                  {IDC_VIEW_BOTTOM, 14},
                  {IDOK, 15},
                  {IDCANCEL, 16}});
    UpdateData(FALSE);
    return TRUE;
}

void Tools_Drill::applyTypeRule() {
    const DrillAvailability availability = drillAvailability(options_.choice.type);
    frame::enableControls(*this, kDiameterRadios, availability.diameters);
    GetDlgItem(IDC_USER_SIZE)->EnableWindow(availability.diameters[kUserDiameter]);
    options_.choice = applyDrillRule(options_.choice);
}

BOOL Tools_Drill::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (frame::clickedOneOf(wParam, kTypeRadios)) {
        // Only the radios are read and shown again: the size box is checked when OK is pressed.
        CDataExchange read(this, TRUE);
        exchangeRadios(&read);
        applyTypeRule();
        CDataExchange show(this, FALSE);
        exchangeRadios(&show);
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

}  // namespace vexa::ordo
