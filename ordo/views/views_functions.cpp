#include "ordo/views/views_functions.h"

#include "frame/resbuf_chain.h"
#include "ordo/views/DimFix.h"
#include "ordo/views/VBKchkMsg.h"
#include "ordo/views/VBKchkx.h"
#include "ordo/views/mkSolid.h"
#include "frame/option_dialog.h"

namespace vexa::ordo {

int dxVBKchkx(resbuf* args) {
    return frame::runOptionDialog<VBKchkx>(readViewsCheckSetup(args),
                                    [](const ViewsCheckSetup& setup) { viewsCheckSetupResult(setup).returnResult(); });
}

int dxVBKchkMsg(resbuf* args) {
    return frame::runOptionDialog<VBKchkMsg>(readViewsErrorReport(args),
                                      [](const ViewsErrorReport&) { frame::ListBuilder().t().returnResult(); });
}

int dxAuto3dModel(resbuf* args) {
    return frame::runOptionDialog<mkSolid>(readModelOptions(args),
                                    [](const ModelOptions& options) { modelOptionsResult(options).returnResult(); });
}

int dxSelColor(resbuf* args) {
    return frame::runOptionDialog<DimFix>(readMarkingColours(args),
                                   [](const MarkingColours& colours) { markingColoursResult(colours).returnResult(); });
}

}  // namespace vexa::ordo
