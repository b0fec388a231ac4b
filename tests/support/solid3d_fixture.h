// Vexa3D loaded into a fresh host that can make solids, with the scripted user's acts in its dialogs.
#pragma once

#include <functional>
#include <utility>

#include "sim/solids/solid_commands.h"
#include "sim/win/dialog_act.h"
#include "support/host_fixture.h"

namespace vexa::test {

class Solid3dTest : public HostTest {
protected:
    using DialogAct = sim::win::DialogAct;
    using DialogView = sim::win::DialogView;

    Solid3dTest() {
        sim::solids::registerSolidCommands(host.commands());
        load({"Vexa3D"});
    }

    void act(DialogAct act) { host.user().queue(std::move(act)); }
    void look(std::function<void(DialogView&)> check) { act(DialogAct::query(std::move(check))); }
    void click(int id) { act(DialogAct::click(id)); }
};

}  // namespace vexa::test
