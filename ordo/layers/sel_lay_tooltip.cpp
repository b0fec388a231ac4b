#include "ordo/layers/sel_lay_tooltip.h"

#include <memory>

#include "frame/lisp_items.h"
#include "ordo/layers/monitor_slot.h"
#include "ordo/layers/sel_lay_ipm.h"

namespace vexa::ordo {

namespace {

MonitorSlot tooltip{&AcEdInputPointManager::turnOnForcedPick, &AcEdInputPointManager::turnOffForcedPick};

}  // namespace

int selLayToolTip(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.empty() || items[0].node()->restype == RTNIL) {
        tooltip.switchOff();
        return RTNORM;
    }
    // Anything but two texts first is a malformed call, which changes nothing.
    if (items.size() < 2 || items[0].string() == nullptr || items[1].string() == nullptr) return RTNORM;
    if (tooltip.isOn()) return RTNORM;
    const bool topOnly = items.size() > 2 && items[2].node()->restype != RTNIL;
    tooltip.switchOn(std::make_unique<selLayIPM>(items[0].string(), items[1].string(), topOnly));
    return RTNORM;
}

}  // namespace vexa::ordo
