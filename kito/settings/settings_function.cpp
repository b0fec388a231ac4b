#include "kito/settings/settings_function.h"

#include "frame/resource_scope.h"
#include "kito/settings/MainSettings.h"

namespace vexa::kito {

int mainSettings(resbuf* args) {
    acedRetNil();
    std::optional<SettingsRequest> request = readSettingsRequest(args);
    if (!request) return RTNORM;
    frame::ListBuilder result;
    {
        const frame::PluginResources resources;
        MainSettings dialog(std::move(*request), frame::LockedLayerDisplay::read());
        if (dialog.DoModal() == IDOK) buildSettingsAnswer(result, dialog.answer(), dialog.fadingTouched());
        else buildCancelledAnswer(result, dialog.fadingTouched());
    }
    result.returnResult();
    return RTNORM;
}

}  // namespace vexa::kito
