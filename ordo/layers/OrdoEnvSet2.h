// Locked-layer fading and the 3D opacity of locked layers, put into effect while they change.
#pragma once

#include "acad/acui.h"
#include "frame/locked_layer_controls.h"
#include "ordo/layers/env_setup_arguments.h"

class OrdoEnvSet2 : public CAdUiBaseDialog {
public:
    OrdoEnvSet2(vexa::ordo::EnvSet2Texts texts, vexa::frame::LockedLayerDisplay display);

    int fading() const { return controls_.fading(); }
    int opacity() const { return controls_.opacity(); }

protected:
    BOOL OnInitDialog() override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    vexa::ordo::EnvSet2Texts texts_;
    vexa::frame::LockedLayerControls controls_;
};
