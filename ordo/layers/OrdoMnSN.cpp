#include "ordo/layers/OrdoMnSN.h"

#include "frame/product_call.h"
#include "ordo/layers/product_commands.h"
#include "frame/resource_scope.h"
#include "frame/captions.h"
#include "ordo/layers/layer_manager_resource.h"

OrdoMnSN::OrdoMnSN(const vexa::ordo::SeriesCode& code)
    : CAdUiBaseDialog(IDD_ORDO_SN), captions_(code.captions), groupLength_(code.groupLength),
      serialLength_(code.serialLength) {}

void OrdoMnSN::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    // The lengths travel to the product as 16-bit integers.
    DDX_Text(dx, IDC_SN_GROUP_LENGTH, groupLength_);
    DDV_MinMaxInt(dx, groupLength_, 0, 32767);
    DDX_Text(dx, IDC_SN_SERIAL_LENGTH, serialLength_);
    DDV_MinMaxInt(dx, serialLength_, 0, 32767);
}

BOOL OrdoMnSN::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    wchar_t explanation[512] = {};
    LoadStringW(AfxGetResourceHandle(), IDC_SN_EXPLANATION, explanation, 512);
    SetDlgItemText(IDC_SN_EXPLANATION, explanation);
    vexa::frame::putCaptionsKeepingResourceTexts(*this, captions_,
                                 {0, IDC_SN_GROUP, IDC_SN_GROUP_LABEL, IDC_SN_SERIAL_LABEL, IDC_SN_EXPLANATION, -1, -1,
                                  IDOK, IDCANCEL});
    return TRUE;
}

void OrdoMnSN::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (vexa::ordo::seriesCodeRefused(groupLength_, serialLength_)) {
        const std::wstring text = vexa::frame::captionOr(captions_, 6, L"");
        const std::wstring caption = vexa::frame::captionOr(captions_, 5, L"");
        MessageBox(text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

namespace vexa::ordo {

void editSeriesCode(CWnd* parent) {
    const std::optional<frame::ProductAnswer> answer = frame::callProduct(product::kSeriesCode);
    if (!answer || !*answer) return;
    const SeriesCode code = readSeriesCode(answer->get());
    frame::PluginResources resources;
    OrdoMnSN dialog(code);
    dialog.m_pParentWnd = parent;
    if (dialog.DoModal() != IDOK) return;
    frame::ListBuilder lengths;
    lengths.integer(static_cast<short>(dialog.groupLength())).integer(static_cast<short>(dialog.serialLength()));
    frame::callProduct(product::kWriteSeriesCode, lengths);
}

}  // namespace vexa::ordo
