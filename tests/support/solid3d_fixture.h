// Vexa3D loaded into a fresh host that can make solids (BOX, CYLINDER, IMPORT).
#pragma once

#include "sim/solids/solid_commands.h"
#include "support/host_fixture.h"

namespace vexa::test {

class Solid3dTest : public HostTest {
protected:
    Solid3dTest() {
        sim::solids::registerSolidCommands(host.commands());
        load({"Vexa3D"});
    }
};

}  // namespace vexa::test
