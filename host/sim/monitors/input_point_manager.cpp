#include "monitors/input_point_manager.h"

#include <algorithm>

#include "sim/host.h"

namespace vexa::sim::monitors {

namespace {

const PluginModule* callingPlugin() {
    const Host* host = Host::current();
    return host ? host->messageTarget() : nullptr;
}

}  // namespace

void InputPointManager::fault(const std::wstring& what) const {
    if (Host* host = Host::current()) host->audit().record(what + L" in " + drawingName_);
}

// Adding a monitor twice would have the host call it twice per move; refused here (unconfirmed).
Acad::ErrorStatus InputPointManager::addPointMonitor(AcEdInputPointMonitor* monitor) {
    if (monitor == nullptr) return Acad::eInvalidInput;
    if (isAttached(monitor)) return Acad::eInvalidInput;
    monitors_.push_back({monitor, callingPlugin()});
    return Acad::eOk;
}

bool InputPointManager::isAttached(const AcEdInputPointMonitor* monitor) const {
    return std::any_of(monitors_.begin(), monitors_.end(), [&](const Attached& a) { return a.monitor == monitor; });
}

Acad::ErrorStatus InputPointManager::removePointMonitor(AcEdInputPointMonitor* monitor) {
    const std::size_t removed = std::erase_if(monitors_, [&](const Attached& a) { return a.monitor == monitor; });
    return removed > 0 ? Acad::eOk : Acad::eKeyNotFound;
}

Acad::ErrorStatus InputPointManager::turnOnForcedPick() {
    ++forcedPicks_;
    return Acad::eOk;
}

Acad::ErrorStatus InputPointManager::turnOffForcedPick() {
    if (forcedPicks_ == 0) {
        fault(L"forced picking was turned off more often than on");
        return Acad::eInvalidInput;
    }
    --forcedPicks_;
    return Acad::eOk;
}

Acad::ErrorStatus InputPointManager::disableSystemCursorGraphics() {
    ++cursorDisables_;
    return Acad::eOk;
}

Acad::ErrorStatus InputPointManager::enableSystemCursorGraphics() {
    if (cursorDisables_ == 0) {
        fault(L"the cursor graphics were enabled more often than disabled");
        return Acad::eInvalidInput;
    }
    --cursorDisables_;
    return Acad::eOk;
}

void InputPointManager::releaseLeftovers(const PluginModule& module, AuditLog& audit) {
    std::erase_if(monitors_, [&](const Attached& a) {
        if (a.owner != &module) return false;
        audit.record(module.name() + L" left an input-point monitor attached in " + drawingName_ + L" at unload");
        return true;
    });
}

}  // namespace vexa::sim::monitors
