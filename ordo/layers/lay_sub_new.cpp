#include "ordo/layers/lay_sub_new.h"

#include "frame/colour_quad.h"
#include "ordo/layers/lay_sub_new_resource.h"
#include "frame/captions.h"

namespace vexa::ordo {

namespace {

std::wstring selectedText(const CComboBox& list) {
    std::wstring text;
    if (list.GetCurSel() >= 0) list.GetLBText(list.GetCurSel(), text);
    return text;
}

bool isKindRadio(int id) { return id >= IDC_SUB_MAIN && id <= IDC_SUB_OTHER; }

}  // namespace

LaySubNew::LaySubNew(const SubLayerRequest& request) : CAdUiBaseDialog(IDD_LAY_SUB_NEW), request_(request) {
    linetypeList_.SetUseOther(FALSE);
}

void LaySubNew::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SUB_DESTINATION, destinationList_);
    DDX_Control(dx, IDC_SUB_COLOR, colourList_);
    DDX_Control(dx, IDC_SUB_LINETYPE, linetypeList_);
    DDX_Radio(dx, IDC_SUB_MAIN, kind_);
    DDX_Text(dx, IDC_SUB_OTHER_SUFFIX, otherSuffix_);
    if (!dx->m_bSaveAndValidate) return;
    choice_.destination = selectedText(destinationList_);
    choice_.kind = static_cast<SubLayerKind>(kind_);
    choice_.otherSuffix = otherSuffix_;
    choice_.colour = frame::quadFromColour(colourList_.GetCurrentItemColor());
    choice_.linetype = selectedText(linetypeList_);
}

void LaySubNew::selectGivenColour() {
    const int method = request_.colour.method;
    if (method == AcCmEntityColor::kByColor || method == AcCmEntityColor::kByACI) {
        colourList_.SetCurSel(colourList_.AddColorToMRU(frame::colourFromQuad(request_.colour)));
    } else {
        colourList_.SetCurSel(colourList_.FindItemByColor(AcCmColor()));
    }
}

BOOL LaySubNew::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    for (const std::wstring& layer : request_.layers) destinationList_.AddString(layer.c_str());
    selectGivenColour();
    linetypeList_.SelectString(-1, request_.linetype.c_str());
    frame::putCaptionsBlankingMissing(*this, request_.captions,
                 {{IDC_SUB_DESTINATION_LABEL, 1}, {IDC_SUB_KIND_GROUP, 2}, {IDC_SUB_MAIN, 3}, {IDC_SUB_HID, 4},
                  {IDC_SUB_DES, 5}, {IDC_SUB_OTHER, 6}, {IDC_SUB_DRAW_GROUP, 7}, {IDC_SUB_COLOR_LABEL, 8},
                  {IDC_SUB_LINETYPE_LABEL, 9}, {IDOK, 10}, {IDCANCEL, 11}});
    destinationList_.SelectString(-1, request_.destination.c_str());
    return TRUE;
}

BOOL LaySubNew::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A new kind starts from the layer's own colour and linetype.
    if (HIWORD(wParam) == BN_CLICKED && isKindRadio(LOWORD(wParam))) {
        colourList_.SetCurSel(0);
        linetypeList_.SelectString(-1, L"BYLAYER");
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

}  // namespace vexa::ordo
