#include "ordo/tools/chamfer_frame_functions.h"

#include "ordo/tools/DeChamf.h"
#include "ordo/tools/DeChamfComm.h"
#include "ordo/tools/EditFrameAttDlg.h"
#include "ordo/tools/FrmAtt.h"
#include "ordo/tools/InitScale.h"
#include "ordo/tools/SetFrameDlg.h"
#include "frame/option_dialog.h"

namespace vexa::ordo {

int dxDeChamf(resbuf* args) {
    return frame::runOptionDialog<DeChamf>(readDeChamfOptions(args),
                                    [](const DeChamfOptions& options) { deChamfResult(options).returnResult(); });
}

int dxDeChamfComm(resbuf* args) {
    return frame::runOptionDialog<DeChamfComm>(readDeChamfCommOptions(args),
                                        [](const DeChamfCommOptions& options) { deChamfCommResult(options).returnResult(); });
}

int dxFrmAtt(resbuf* args) {
    return frame::runOptionDialog<FrmAtt>(std::optional(readFrmAttOptions(args)),
                                   [](const FrmAttOptions& options) { frmAttResult(options).returnResult(); });
}

int frameAtt2(resbuf* args) {
    return frame::runOptionDialog<EditFrameAttDlg>(readFrameListOptions(args),
                                            [](const FrameListOptions& options) { frameListResult(options).returnResult(); });
}

int dxSetScale(resbuf* args) {
    return frame::runOptionDialog<InitScale>(readInitScaleOptions(args),
                                      [](const InitScaleOptions& options) { initScaleResult(options).returnResult(); });
}

int frameAtt1(resbuf* args) {
    return frame::runOptionDialog<SetFrameDlg>(readFrameSetupOptions(args),
                                        [](const FrameSetupOptions& options) { frameSetupResult(options).returnResult(); });
}

}  // namespace vexa::ordo
