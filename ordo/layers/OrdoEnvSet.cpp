#include "ordo/layers/OrdoEnvSet.h"

#include "frame/product_call.h"
#include "ordo/layers/env_setup_resource.h"
#include "frame/captions.h"
#include "ordo/layers/product_commands.h"

OrdoEnvSet::OrdoEnvSet(vexa::ordo::EnvSetRequest request)
    : CAdUiBaseDialog(IDD_ORDO_ENV_SET), captions_(std::move(request.captions)), darkness_(request.darkness),
      transparency_(request.transparency), darknessShown_(request.darkness),
      transparencyShown_(static_cast<float>(request.transparency) / 100.0f) {}

void OrdoEnvSet::DoDataExchange(CDataExchange* dx) {
    CAdUiBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ENV_DARKNESS_SLIDER, darknessSlider_);
    DDX_Control(dx, IDC_ENV_TRANSPARENCY_SLIDER, transparencySlider_);
    DDX_Text(dx, IDC_ENV_DARKNESS_BOX, darknessShown_);
    DDV_MinMaxInt(dx, darknessShown_, 0, vexa::ordo::kMaxDarkness);
    DDX_Text(dx, IDC_ENV_TRANSPARENCY_BOX, transparencyShown_);
    DDV_MinMaxFloat(dx, transparencyShown_, 0.0f, 1.0f);
}

BOOL OrdoEnvSet::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    darknessSlider_.SetRange(0, vexa::ordo::kMaxDarkness);
    darknessSlider_.SetPageSize(10);
    darknessSlider_.SetPos(darkness_);
    transparencySlider_.SetRange(0, vexa::ordo::kMaxTransparency);
    transparencySlider_.SetPageSize(10);
    transparencySlider_.SetPos(transparency_);
    vexa::frame::putCaptionsKeepingResourceTexts(*this, captions_,
                                 {0, IDC_ENV_DARKNESS_GROUP, IDC_ENV_TRANSPARENCY_GROUP, IDOK, IDCANCEL, IDC_ENV_APPLY});
    GetDlgItem(IDC_ENV_APPLY)->EnableWindow(FALSE);
    return TRUE;
}

void OrdoEnvSet::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    // Only a dragged thumb changes the values; a click in the channel or a key moves the slider alone.
    if (code != TB_THUMBTRACK || bar == nullptr) return;
    const int value = static_cast<int>(position);
    if (bar->GetDlgCtrlID() == IDC_ENV_DARKNESS_SLIDER) {
        darkness_ = darknessShown_ = value;
    } else if (bar->GetDlgCtrlID() == IDC_ENV_TRANSPARENCY_SLIDER) {
        transparency_ = value;
        transparencyShown_ = static_cast<float>(value) / 100.0f;
    } else {
        return;
    }
    UpdateData(FALSE);
    GetDlgItem(IDC_ENV_APPLY)->EnableWindow(TRUE);
}

BOOL OrdoEnvSet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_ENV_APPLY && HIWORD(wParam) == BN_CLICKED) {
        apply();
        return TRUE;
    }
    return CAdUiBaseDialog::OnCommand(wParam, lParam);
}

void OrdoEnvSet::apply() {
    vexa::frame::ListBuilder values;
    values.integer(static_cast<short>(darkness_)).integer(static_cast<short>(transparency_));
    vexa::frame::callProduct(vexa::ordo::product::kDisplaySetup, values);
}

void OrdoEnvSet::OnOK() {
    darkness_ = darknessSlider_.GetPos();
    transparency_ = transparencySlider_.GetPos();
    CAdUiBaseDialog::OnOK();
}
