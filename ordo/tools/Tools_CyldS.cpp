#include "ordo/tools/Tools_CyldS.h"

#include "ordo/tools/resource_tools.h"
#include "frame/captions.h"

namespace vexa::ordo {

Tools_CyldS::Tools_CyldS(SeriesOptions& options) : CAdUiBaseDialog(IDD_TOOLS_CYLDS), options_(options) {}

void Tools_CyldS::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_SERIES_CDAS, options_.series);
}

BOOL Tools_CyldS::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_TYPE_GROUP, 1},
                  {IDC_SERIES_CDAS, 2},
                  {IDC_SERIES_NDAS, 3},
                  {IDC_SERIES_DAB, 4},
                  {IDC_SERIES_PBDA, 5},
                  {IDOK, 6},
                  {IDCANCEL, 7}});
    return TRUE;
}

}  // namespace vexa::ordo
