// A fresh host with a drawing to select from, and the scripted user's acts in the drawing.
#pragma once

#include <vector>

#include "sim/user/selection_acts.h"
#include "support/host_fixture.h"

namespace vexa::test {

class SelectionTest : public HostTest {
protected:
    // Each makes the entity with entmake and returns its name as AutoLISP prints it.
    std::wstring line(double x1, double y1, double x2, double y2, const std::wstring& layer = L"0");
    std::wstring circle(double x, double y, double radius, const std::wstring& layer = L"0", int colour = 256);

    void pick(double x, double y, int viewport = 0) { host.user().queue(sim::editor::pickAt({x, y}, viewport)); }
    void queue(const std::vector<sim::PromptAnswer>& acts) {
        for (const sim::PromptAnswer& act : acts) host.user().queue(act);
    }
    void rightClick() { host.user().queue(sim::PromptAnswer::rightClick()); }
    void key(int virtualKey, bool control = false) { host.user().queue(sim::PromptAnswer::key(virtualKey, control)); }

    sim::editor::Editor& editor() { return host.editor(); }
    std::wstring printed() { return host.commandLine().transcript(); }
};

}  // namespace vexa::test
