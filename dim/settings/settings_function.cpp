#include "dim/dim_functions.h"
#include "dim/settings/DimSettingsMain.h"
#include "frame/option_dialog.h"

namespace vexa::dim {

int dimSettingsDlg(resbuf* args) {
    return frame::runOptionDialog<DimSettingsMain>(
        readSettingsOptions(args), [](const SettingsOptions& options) { settingsResult(options).returnResult(); });
}

}  // namespace vexa::dim
