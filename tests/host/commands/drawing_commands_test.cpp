// NEW, OPEN and CLOSE with plug-ins loaded: each drawing gets their functions at its load
// message, and a monitor in a drawing that closes is switched off.
#include "support/host_fixture.h"

namespace {

class DrawingCommands : public vexa::test::HostTest {
protected:
    void SetUp() override { load({"VexaKito", "VexaOrdo"}); }
    std::size_t open() { return host.documents().documents().size(); }
    std::wstring current() { return eval(L"(getvar \"DWGNAME\")"); }
};

TEST_F(DrawingCommands, ADrawingOpenedLaterGetsThePluginsFunctions) {
    eval(L"(setq mine 1)");
    eval(L"(command \"NEW\")");
    EXPECT_EQ(open(), 2u);
    EXPECT_EQ(current(), L"\"Drawing2.dwg\"");
    EXPECT_TRUE(host.registeredCode(L"Vexa-OSType").has_value());
    // Each drawing has its own AutoLISP.
    EXPECT_EQ(eval(L"mine"), L"nil");

    eval(L"(command \"OPEN\" \"" VEXA_GOOD_DXF "\")");
    EXPECT_EQ(open(), 3u);
    EXPECT_EQ(current(), L"\"layer-walkthrough-dxf.dxf\"");
    EXPECT_TRUE(host.registeredCode(L"Vexa-OSType").has_value());
    EXPECT_NE(eval(L"(tblsearch \"LAYER\" \"L001\")"), L"nil");
}

TEST_F(DrawingCommands, ClosingUnloadsAndDestroysTheDrawing) {
    eval(L"(command \"NEW\")");
    const vexa::sim::Document* closing = host.documents().current();
    // The rest of the script's form still runs in the drawing that is closing.
    EXPECT_EQ(eval(L"(progn (command \"CLOSE\") (getvar \"DWGNAME\"))"), L"\"Drawing2.dwg\"");
    EXPECT_EQ(open(), 1u);
    for (const auto& document : host.documents().documents()) EXPECT_NE(document.get(), closing);
    EXPECT_EQ(current(), L"\"Drawing1.dwg\"");
    EXPECT_TRUE(host.registeredCode(L"Vexa-OSType").has_value());
    // With the last one closed, the next form runs in a new drawing, which gets the functions.
    eval(L"(command \"CLOSE\")");
    EXPECT_EQ(current(), L"\"Drawing3.dwg\"");
    EXPECT_TRUE(host.registeredCode(L"Vexa-OSType").has_value());
}

TEST_F(DrawingCommands, AMonitorIsSwitchedOffWhenItsDrawingCloses) {
    eval(L"(command \"NEW\")");
    eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \")");
    ASSERT_EQ(host.documents().current()->inputPoints().monitors().size(), 1u);
    eval(L"(command \"CLOSE\")");
    // The tooltip's one slot is free again: it switches on in the drawing now current.
    eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \")");
    EXPECT_EQ(host.documents().current()->inputPoints().monitors().size(), 1u);
    eval(L"(Vexa-selLayToolTip)");
    EXPECT_EQ(host.documents().current()->inputPoints().monitors().size(), 0u);
}

TEST_F(DrawingCommands, AFileThatCannotBeOpenedLeavesTheDrawingsAsTheyWere) {
    eval(L"(command \"OPEN\" \"C:\\\\missing.dxf\")");
    eval(L"(command \"OPEN\" \"part.dwg\")");
    eval(L"(command \"OPEN\" \"" VEXA_BAD_DXF_DIR "/no-endsec.dxf\")");
    EXPECT_EQ(open(), 1u);
    EXPECT_EQ(current(), L"\"Drawing1.dwg\"");
    const std::wstring& said = host.commandLine().transcript();
    EXPECT_NE(said.find(L"Cannot find the file \"C:\\missing.dxf\".\n"), std::wstring::npos);
    EXPECT_NE(said.find(L"Only DXF files can be opened: \"part.dwg\".\n"), std::wstring::npos);
    EXPECT_NE(said.find(L"no-endsec.dxf\": "), std::wstring::npos);
}

}  // namespace
