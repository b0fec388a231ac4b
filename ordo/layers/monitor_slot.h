// A process-wide input-point monitor that is switched on and off by an AutoLISP function.
#pragma once

#include <memory>

#include "acad/acdocman.h"
#include "acad/acedinpt.h"

namespace vexa::ordo {

// The monitor is attached to the drawing that is current when it is switched on and is always
// detached from that same drawing, whichever drawing is current later; when that drawing closes
// first, the slot switches off with it, so no destroyed monitor stays attached anywhere.
class MonitorSlot : private AcApDocManagerReactor {
public:
    using ManagerCall = Acad::ErrorStatus (AcEdInputPointManager::*)();
    // What the monitor asks of the drawing's input-point manager while attached, and its undoing.
    MonitorSlot(ManagerCall whileAttached, ManagerCall undo) : whileAttached_(whileAttached), undo_(undo) {}
    MonitorSlot(const MonitorSlot&) = delete;
    MonitorSlot& operator=(const MonitorSlot&) = delete;

    bool isOn() const { return monitor_ != nullptr; }
    // Does nothing when already on, or when no drawing is open.
    void switchOn(std::unique_ptr<AcEdInputPointMonitor> monitor);
    // Does nothing when off.
    void switchOff();

private:
    void documentToBeDestroyed(AcApDocument* document) override;

    ManagerCall whileAttached_;
    ManagerCall undo_;
    std::unique_ptr<AcEdInputPointMonitor> monitor_;
    AcApDocument* document_ = nullptr;
};

}  // namespace vexa::ordo
