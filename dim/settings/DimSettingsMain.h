// The dimension settings: a tab dialog over the dimension page and two further property
// pages, every text the caller's.
#pragma once

#include "dim/settings/DimSettingsDim.h"
#include "dim/settings/DimSettingsSub.h"

namespace vexa::dim {

class DimSettingsMain : public CAcUiTabMainDialog {
public:
    explicit DimSettingsMain(SettingsOptions& options);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SettingsOptions& options_;
    CAdUiTab tabs_;
    DimSettingsDim dimensionPage_;
    DimSettingsSub secondPage_;
    DimSettingsSub thirdPage_;
};

}  // namespace vexa::dim
