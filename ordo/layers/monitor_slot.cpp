#include "ordo/layers/monitor_slot.h"

namespace vexa::ordo {

void MonitorSlot::switchOn(std::unique_ptr<AcEdInputPointMonitor> monitor) {
    if (isOn() || monitor == nullptr || acDocManager == nullptr) return;
    AcApDocument* document = curDoc();
    AcEdInputPointManager* manager = document ? document->inputPointManager() : nullptr;
    if (manager == nullptr) return;
    (manager->*whileAttached_)();
    if (manager->addPointMonitor(monitor.get()) != Acad::eOk) {
        (manager->*undo_)();
        return;
    }
    monitor_ = std::move(monitor);
    document_ = document;
    acDocManager->addReactor(this);
}

void MonitorSlot::switchOff() {
    if (!isOn()) return;
    AcEdInputPointManager* manager = document_->inputPointManager();
    manager->removePointMonitor(monitor_.get());
    (manager->*undo_)();
    acDocManager->removeReactor(this);
    monitor_.reset();
    document_ = nullptr;
}

void MonitorSlot::documentToBeDestroyed(AcApDocument* document) {
    if (document == document_) switchOff();
}

}  // namespace vexa::ordo
