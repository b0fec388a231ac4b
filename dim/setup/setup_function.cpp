#include "dim/dim_functions.h"
#include "frame/option_dialog.h"
#include "dim/setup/SetupDlg.h"

namespace vexa::dim {

int dimSetupDlg(resbuf* args) {
    return frame::runOptionDialog<SetupDlg>(readSetupOptions(args),
                                            [](const SetupOptions& options) { setupResult(options).returnResult(); });
}

}  // namespace vexa::dim
