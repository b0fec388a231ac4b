#include "ordo/views/VBKchkx.h"

#include "frame/captions.h"
#include "ordo/views/resource_views.h"

namespace vexa::ordo {

VBKchkx::VBKchkx(ViewsCheckSetup& setup) : CAdUiBaseDialog(IDD_VBKCHKX), setup_(setup) {}

void VBKchkx::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Check(dx, IDC_CHECK_ITEM1, setup_.check1);
    DDX_Check(dx, IDC_CHECK_ITEM2, setup_.check2);
    DDX_Check(dx, IDC_CHECK_ITEM3, setup_.check3);
    DDX_Text(dx, IDC_ANGLE_FUZZY, setup_.angleFuzzy);
    DDX_Text(dx, IDC_POSITION_FUZZY, setup_.positionFuzzy);
}

BOOL VBKchkx::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    frame::putCaptionsBlankingMissing(*this, setup_.captions,
                 {{IDC_FUZZY_GROUP, 1},
                  {IDC_ANGLE_FUZZY_LABEL, 2},
                  {IDC_POSITION_FUZZY_LABEL, 3},
                  {IDC_CHECK_ITEM_GROUP, 4},
                  {IDC_CHECK_ITEM1, 5},
                  {IDC_CHECK_ITEM2, 6},
                  {IDOK, 7},
                  {IDCANCEL, 8}});
    return TRUE;
}

}  // namespace vexa::ordo
