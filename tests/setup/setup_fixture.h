// VexaSetup loaded into a fresh host, with the scripted user's acts and the machine's C: drive.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "sim/win/dialog_act.h"
#include "support/host_fixture.h"

namespace vexa::test {

class SetupTest : public HostTest {
protected:
    using DialogAct = sim::win::DialogAct;
    using DialogView = sim::win::DialogView;

    SetupTest() { load({"VexaSetup"}); }

    void act(DialogAct act) { host.user().queue(std::move(act)); }
    void look(std::function<void(DialogView&)> check) { act(DialogAct::query(std::move(check))); }
    void click(int id) { act(DialogAct::click(id)); }
    std::filesystem::path driveC() { return host.drives().root() / "c"; }
};

}  // namespace vexa::test
