// VexaOrdo loaded into a fresh host, with the scripted user's acts in its dialogs.
#pragma once

#include <functional>
#include <utility>

#include "sim/user/dialog_act.h"
#include "support/host_fixture.h"

namespace vexa::test {

class OrdoDialogTest : public HostTest {
protected:
    using DialogAct = sim::win::DialogAct;
    using DialogView = sim::win::DialogView;

    OrdoDialogTest() { load({"VexaOrdo"}); }

    void act(DialogAct act) { host.user().queue(std::move(act)); }
    // Looks at the dialog (or message box) that is up at this point of the script.
    void look(std::function<void(DialogView&)> check) { act(DialogAct::query(std::move(check))); }
    void click(int id) { act(DialogAct::click(id)); }
};

}  // namespace vexa::test
