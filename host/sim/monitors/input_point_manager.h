// One drawing's input-point manager: its attached monitors, forced picking and the host's cursor graphics.
#pragma once

#include <string>
#include <vector>

#include "acad/acedinpt.h"

namespace vexa::sim {

class AuditLog;
class PluginModule;

namespace monitors {

class InputPointManager : public AcEdInputPointManager {
public:
    struct Attached {
        AcEdInputPointMonitor* monitor;
        const PluginModule* owner;  // the plug-in whose call attached it
    };

    explicit InputPointManager(std::wstring drawingName) : drawingName_(std::move(drawingName)) {}

    Acad::ErrorStatus addPointMonitor(AcEdInputPointMonitor* monitor) override;
    Acad::ErrorStatus removePointMonitor(AcEdInputPointMonitor* monitor) override;
    Acad::ErrorStatus turnOnForcedPick() override;
    Acad::ErrorStatus turnOffForcedPick() override;
    int forcedPickCount() const override { return forcedPicks_; }
    Acad::ErrorStatus disableSystemCursorGraphics() override;
    Acad::ErrorStatus enableSystemCursorGraphics() override;
    int systemCursorDisableCount() const override { return cursorDisables_; }

    // In the order they were added, which is the order the host calls them.
    const std::vector<Attached>& monitors() const { return monitors_; }
    bool isAttached(const AcEdInputPointMonitor* monitor) const;

    // Detaches what an unloading plug-in left attached, recording each as a fault: the host
    // would call into a module that is gone.
    void releaseLeftovers(const PluginModule& module, AuditLog& audit);

private:
    void fault(const std::wstring& what) const;

    std::wstring drawingName_;
    std::vector<Attached> monitors_;
    int forcedPicks_ = 0;
    int cursorDisables_ = 0;
};

}  // namespace monitors
}  // namespace vexa::sim
