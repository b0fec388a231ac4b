// VexaOrdo loaded into a fresh host, with the scripted user's acts in its dialogs.
#pragma once

#include "support/host_fixture.h"

namespace vexa::test {

class OrdoDialogTest : public HostTest {
protected:
    OrdoDialogTest() { load({"VexaOrdo"}); }
};

}  // namespace vexa::test
