#include "ordo/layers/OrdoEnvSet2.h"

#include "ordo/layers/env_setup_resource.h"

OrdoEnvSet2::OrdoEnvSet2(vexa::ordo::EnvSet2Texts texts, vexa::frame::LockedLayerDisplay display)
    : CAdUiBaseDialog(IDD_ORDO_ENV_SET2), texts_(std::move(texts)), controls_(display) {}

BOOL OrdoEnvSet2::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    constexpr int controls[] = {0, IDC_ENV2_FADING_LABEL, IDC_ENV2_OPACITY_LABEL, IDOK, IDCANCEL};
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        if (!texts_[i]) continue;
        if (controls[i] == 0) SetWindowText(*texts_[i]);
        else SetDlgItemText(controls[i], *texts_[i]);
    }
    controls_.attach(*this);
    return TRUE;
}

void OrdoEnvSet2::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    if (!controls_.onScroll(bar)) CAdUiBaseDialog::OnHScroll(code, position, bar);
}

BOOL OrdoEnvSet2::OnCommand(WPARAM wParam, LPARAM lParam) {
    return controls_.onCommand(wParam) || CAdUiBaseDialog::OnCommand(wParam, lParam);
}
