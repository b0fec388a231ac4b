#include "ordo/tools/InitScale.h"

#include "acad/acedhelp.h"
#include "frame/number_fields.h"
#include "ordo/tools/chamfer_options.h"
#include "ordo/tools/resource_chamfer_frame.h"
#include "frame/captions.h"
#include "frame/single_precision.h"

namespace vexa::ordo {

InitScale::InitScale(InitScaleOptions& options)
    : CAdUiBaseDialog(IDD_INIT_SCALE), options_(options), scale_(numberFieldText(options.scale)) {}

void InitScale::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_INIT_GROUP_LENGTH, options_.groupLength);
    DDX_Text(dx, IDC_INIT_SN_LENGTH, options_.snLength);
}

BOOL InitScale::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    auto* scale = static_cast<CEdit*>(GetDlgItem(IDC_INIT_SCALE));
    scale->SetWindowText(scale_.text());
    frame::putCaptionsBlankingMissing(*this, options_.captions,
                 {{IDC_INIT_SCALE_GROUP, 1},
                  {IDC_INIT_SCALE_LABEL, 2},
                  {IDC_INIT_LAYER_GROUP, 3},
                  {IDC_INIT_GROUP_LABEL, 4},
                  {IDC_INIT_SN_LABEL, 5},
                  {IDC_INIT_NOTE, 6},
                  {IDOK, 9},
                  {IDC_INIT_HELP, 10}});
    GotoDlgCtrl(scale);
    scale->SetSel(0, -1);
    opened_ = true;
    return FALSE;
}

BOOL InitScale::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (opened_ && id == IDC_INIT_SCALE && HIWORD(wParam) == EN_CHANGE) {
        frame::checkNumberEdit(*static_cast<CEdit*>(GetDlgItem(id)), scale_);
        return TRUE;
    }
    if (id == IDC_INIT_HELP && HIWORD(wParam) == BN_CLICKED) {
        // Without a help file the host's own help opens at the topic.
        acedHelp(options_.helpFile ? options_.helpFile->c_str() : nullptr, options_.helpTopic.c_str(), HELP_PARTIALKEY);
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void InitScale::OnOK() {
    const std::wstring text = GetDlgItem(IDC_INIT_SCALE)->GetWindowText();
    if (frame::toSinglePrecision(frame::leadingNumber(text)) == 0.0f) {
        MessageBox(options_.zeroScaleText.c_str(), options_.zeroScaleTitle.c_str(), MB_OK | MB_ICONERROR);
        return;
    }
    if (!UpdateData(TRUE)) return;
    options_.scaleText = text;
    EndDialog(IDOK);
}

}  // namespace vexa::ordo
