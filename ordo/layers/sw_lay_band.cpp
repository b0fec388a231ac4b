#include "ordo/layers/sw_lay_band.h"

#include <memory>

#include "ordo/layers/monitor_slot.h"
#include "ordo/layers/sw_lay_ipm.h"

namespace vexa::ordo {

namespace {

MonitorSlot band{&AcEdInputPointManager::disableSystemCursorGraphics,
                 &AcEdInputPointManager::enableSystemCursorGraphics};

}  // namespace

int swLayBand(resbuf* args) {
    if (args == nullptr || args->restype != RT3DPOINT) {
        band.switchOff();
        return RTNORM;
    }
    if (band.isOn()) return RTNORM;
    const ads_real* point = args->resval.rpoint;
    band.switchOn(std::make_unique<swLayIPM>(AcGePoint3d(point[0], point[1], point[2])));
    return RTNORM;
}

}  // namespace vexa::ordo
