// The product's main settings: a tab dialog over the layer environment page and three
// property pages, every text the caller's.
#pragma once

#include <array>
#include <memory>

#include "kito/settings/PropSettings.h"
#include "kito/settings/SubLaySym.h"
#include "kito/settings/settings_answer.h"
#include "kito/settings/settings_request.h"

class MainSettings : public CAcUiTabMainDialog {
public:
    MainSettings(vexa::kito::SettingsRequest request, vexa::frame::LockedLayerDisplay display);
    ~MainSettings() override;

    vexa::kito::SettingsAnswer answer() const;
    bool fadingTouched() const { return symbolPage_.fadingTouched(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    vexa::kito::SettingsRequest request_;
    // Built once for the three property pages.
    std::vector<std::wstring> layerEntries_;
    CAdUiTab tabs_;
    SubLaySym symbolPage_;
    std::array<std::unique_ptr<PropSettings>, 3> propertyPages_;
};
