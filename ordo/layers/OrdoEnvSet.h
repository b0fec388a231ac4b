// "Ordo Setup": the product's darkness of dimmed layers and its transparency, handed to the
// product by "Apply" and returned at OK.
#pragma once

#include "acad/acui.h"
#include "ordo/layers/env_setup_arguments.h"

class OrdoEnvSet : public CAdUiBaseDialog {
public:
    explicit OrdoEnvSet(vexa::ordo::EnvSetRequest request);

    int darkness() const { return darkness_; }
    int transparency() const { return transparency_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void apply();

    CSliderCtrl darknessSlider_;
    CSliderCtrl transparencySlider_;
    std::optional<std::vector<std::wstring>> captions_;
    int darkness_;
    int transparency_;
    int darknessShown_;
    float transparencyShown_;
};
