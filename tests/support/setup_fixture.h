// VexaSetup loaded into a fresh host, with the machine's C: drive at hand.
#pragma once

#include <filesystem>

#include "support/host_fixture.h"

namespace vexa::test {

class SetupTest : public HostTest {
protected:
    SetupTest() { load({"VexaSetup"}); }

    std::filesystem::path driveC() { return host.drives().root() / "c"; }
};

}  // namespace vexa::test
