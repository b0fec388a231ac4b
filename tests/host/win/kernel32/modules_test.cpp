// Loaded modules by their file name, as the installer finds its own.
#include "support/host_fixture.h"
#include "win/winbase.h"

namespace {

class Modules : public vexa::test::HostTest {};

TEST_F(Modules, APlugInIsFoundByItsFileNameInAnyFolder) {
    load({"VexaSetup"});
    const HMODULE setup = host.plugin(L"VexaSetup")->instance();
    EXPECT_EQ(GetModuleHandleW(L"VexaSetup.arx"), setup);
    EXPECT_EQ(GetModuleHandleW(L"C:\\Program Files\\Tarnwell Vexa\\VexaSetup.arx"), setup);
    EXPECT_EQ(GetModuleHandleW(L"VexaKito.arx"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(GetModuleHandleW(L""), nullptr);
}

}  // namespace
