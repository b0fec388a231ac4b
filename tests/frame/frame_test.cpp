// The plug-in frame: loading, function tables in every drawing, dispatch by code, unloading.
#include "support/function_tables.h"
#include "support/host_fixture.h"

namespace {

using vexa::test::HostTest;

using vexa::test::tables;
using vexa::test::PluginTable;

class Frame : public HostTest {};

TEST_F(Frame, EveryDrawingGetsEveryFunctionUnderItsCode) {
    for (const PluginTable& table : tables) load({table.plugin});
    host.documents().openDocument(L"/drawings/second.dwg");
    for (const auto& document : host.documents().documents()) {
        for (const PluginTable& table : tables) {
            for (const std::wstring& name : table.names) {
                EXPECT_TRUE(document->lisp().isFunction(name)) << table.plugin << " " << vexa::test::narrow(name);
            }
        }
    }
}

TEST_F(Frame, EveryNameIsDefinedUnderItsTablePosition) {
    for (const PluginTable& table : tables) load({table.plugin});
    host.documents().openDocument(L"/drawings/second.dwg");
    for (const PluginTable& table : tables) {
        for (std::size_t code = 0; code < table.names.size(); ++code) {
            EXPECT_EQ(host.registeredCode(table.names[code]), static_cast<short>(code)) << vexa::test::narrow(table.names[code]);
        }
    }
}

TEST_F(Frame, AFunctionThatSetsNoResultGivesNil) {
    load({"VexaDim"});
    EXPECT_EQ(eval(L"(Vexa-DimSetupDlg)"), L"nil");
    EXPECT_TRUE(host.commandLine().failures().empty());
}

TEST_F(Frame, CodesOutsideTheTableAreReportedAndRunNothing) {
    for (const PluginTable& table : tables) {
        load({table.plugin});
        vexa::sim::PluginModule* module = host.plugin(vexa::test::widen(table.plugin));
        ASSERT_NE(module, nullptr);
        const short size = static_cast<short>(table.names.size());
        for (short code : {size, static_cast<short>(size + 100), static_cast<short>(-1)}) {
            EXPECT_EQ(host.callPlugin(*module, code, {}), nullptr);
            ASSERT_FALSE(host.commandLine().failures().empty());
            EXPECT_EQ(host.commandLine().failures().back(), table.badCodeMessage);
        }
    }
}

TEST_F(Frame, UnloadLeavesNothingRegisteredAndReloadRestoresIt) {
    load({"VexaOrdo", "Vexa3D"});
    EXPECT_NE(host.commands().find(L"VexaActivateDWG"), nullptr);
    EXPECT_NE(host.commands().find(L"Vexa_2DptTo3Dpt"), nullptr);
    EXPECT_TRUE(host.plugin(L"VexaOrdo")->unlocked);
    EXPECT_TRUE(host.plugin(L"VexaOrdo")->mdiAware);
    const std::size_t reactors = host.documents().reactorCount();
    host.unloadPlugin(L"VexaOrdo");
    EXPECT_EQ(host.commands().find(L"VexaActivateDWG"), nullptr);
    EXPECT_EQ(host.commands().find(L"_VexaActivateDWG"), nullptr);
    EXPECT_NE(evalError(L"(Vexa-dxOrdoMan)"), L"");
    EXPECT_EQ(host.documents().reactorCount(), reactors - 1);
    load({"VexaOrdo"});
    EXPECT_NE(host.commands().find(L"_VexaActivateDWG"), nullptr);
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan)"), L"nil");
}

TEST_F(Frame, The3DPluginHoldsTheHiddenLineModuleWhileLoaded) {
    EXPECT_FALSE(host.services().isServiceRegistered(L"ASDK_HLR_API_SERVICES"));
    load({"Vexa3D"});
    EXPECT_TRUE(host.services().isServiceRegistered(L"ASDK_HLR_API_SERVICES"));
    EXPECT_EQ(host.services().loadCount(L"AsdkHlrApi17.dbx"), 2);
    host.unloadPlugin(L"Vexa3D");
    EXPECT_EQ(host.services().loadCount(L"AsdkHlrApi17.dbx"), 1);
}

TEST_F(Frame, The3DPluginLoadsAndUnloadsWhenTheHostRefusesTheModule) {
    host.faults().arm(L"acrxLoadModule");
    load({"Vexa3D"});
    EXPECT_EQ(host.services().loadCount(L"AsdkHlrApi17.dbx"), 1);
    host.unloadPlugin(L"Vexa3D");
    EXPECT_EQ(host.services().loadCount(L"AsdkHlrApi17.dbx"), 0);
    host.faults().arm(L"acrxLoadModule", 2);
    load({"Vexa3D"});
    EXPECT_EQ(host.services().loadCount(L"AsdkHlrApi17.dbx"), 1);
    host.unloadPlugin(L"Vexa3D");
    EXPECT_FALSE(host.services().isServiceRegistered(L"ASDK_HLR_API_SERVICES"));
}

TEST_F(Frame, ClosingADrawingKeepsTheFunctionsOfTheOthers) {
    load({"VexaKito"});
    vexa::sim::Document& second = host.documents().openDocument(L"/drawings/b.dwg");
    EXPECT_EQ(eval(L"(Vexa-OSType)"), L"64");
    host.documents().closeDocument(second);
    EXPECT_EQ(host.documents().documents().size(), 1u);
    EXPECT_EQ(eval(L"(Vexa-OSType)"), L"64");
}

}  // namespace
