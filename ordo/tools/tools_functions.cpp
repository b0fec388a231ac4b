#include "ordo/tools/tools_functions.h"

#include "ordo/tools/Tools_Bolt.h"
#include "ordo/tools/Tools_Cyld.h"
#include "ordo/tools/Tools_CyldS.h"
#include "ordo/tools/Tools_Drill.h"
#include "frame/option_dialog.h"

namespace vexa::ordo {

int dxToolsBolt(resbuf* args) {
    return frame::runOptionDialog<Tools_Bolt>(readBoltOptions(args),
                                       [](const BoltOptions& options) { boltResult(options).returnResult(); });
}

int dxToolsDrill(resbuf* args) {
    return frame::runOptionDialog<Tools_Drill>(readDrillOptions(args),
                                        [](const DrillOptions& options) { drillResult(options).returnResult(); });
}

int dxToolsCyldS(resbuf* args) {
    return frame::runOptionDialog<Tools_CyldS>(readSeriesOptions(args),
                                        [](const SeriesOptions& options) { acedRetInt(options.series); });
}

int dxToolsCyld(resbuf* args) {
    return frame::runOptionDialog<Tools_Cyld>(readCylinderOptions(args),
                                       [](const CylinderOptions& options) { cylinderResult(options).returnResult(); });
}

}  // namespace vexa::ordo
