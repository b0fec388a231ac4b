// The layer environment page: locked-layer fading and 3D opacity previewed live, and the sublayer symbol.
#pragma once

#include "frame/locked_layer_controls.h"
#include "kito/settings/list_choice.h"
#include "kito/settings/settings_request.h"
#include "acad/acui_tab_dialog.h"

class SubLaySym : public CAcUiTabChildDialog {
public:
    SubLaySym(const vexa::kito::SettingsRequest& request, vexa::frame::LockedLayerDisplay display);

    const std::wstring& symbol() const { return symbol_.value(); }
    int fading() const { return controls_.fading(); }
    int opacity() const { return controls_.opacity(); }
    bool fadingTouched() const { return controls_.fadingTouched(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnMainDialogOK() override;
    void OnMainDialogCancel() override;

private:
    const vexa::kito::SettingsRequest& request_;
    std::wstring notGivenEntry_;
    vexa::frame::LockedLayerControls controls_;
    CComboBox symbolList_;
    vexa::kito::ListChoice symbol_;
};
