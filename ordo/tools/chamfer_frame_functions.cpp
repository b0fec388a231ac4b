#include "ordo/tools/chamfer_frame_functions.h"

#include "ordo/tools/DeChamf.h"
#include "ordo/tools/DeChamfComm.h"
#include "ordo/tools/EditFrameAttDlg.h"
#include "ordo/tools/FrmAtt.h"
#include "ordo/tools/InitScale.h"
#include "ordo/tools/SetFrameDlg.h"
#include "ordo/views/option_dialog.h"

namespace vexa::ordo {

int dxDeChamf(resbuf* args) {
    return runOptionDialog<DeChamf>(readDeChamfOptions(args),
                                    [](const DeChamfOptions& options) { deChamfResult(options).returnResult(); });
}

int dxDeChamfComm(resbuf* args) {
    return runOptionDialog<DeChamfComm>(readDeChamfCommOptions(args),
                                        [](const DeChamfCommOptions& options) { deChamfCommResult(options).returnResult(); });
}

int dxFrmAtt(resbuf* args) {
    return runOptionDialog<FrmAtt>(std::optional(readFrmAttOptions(args)),
                                   [](const FrmAttOptions& options) { frmAttResult(options).returnResult(); });
}

int frameAtt2(resbuf* args) {
    return runOptionDialog<EditFrameAttDlg>(readFrameListOptions(args),
                                            [](const FrameListOptions& options) { frameListResult(options).returnResult(); });
}

int dxSetScale(resbuf* args) {
    return runOptionDialog<InitScale>(readInitScaleOptions(args),
                                      [](const InitScaleOptions& options) { initScaleResult(options).returnResult(); });
}

int frameAtt1(resbuf* args) {
    return runOptionDialog<SetFrameDlg>(readFrameSetupOptions(args),
                                        [](const FrameSetupOptions& options) { frameSetupResult(options).returnResult(); });
}

}  // namespace vexa::ordo
