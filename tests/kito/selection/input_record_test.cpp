// What "Vexa-ssgetRec" keeps of a selection, and the selection functions when the host refuses
// a watcher, a filter or the selection itself.
#include "support/selection_fixture.h"
#include "sim/user/selection_acts.h"
#include "win/winuser.h"

namespace {

using vexa::sim::PromptAnswer;

class InputRecord : public vexa::test::SelectionTest {
protected:
    InputRecord() { load({"VexaKito"}); }
    void act(const std::wstring& verb, const std::wstring& rest) {
        queue(*vexa::sim::editor::parseSelectionAct(verb, rest));
    }
    std::wstring fresh() { return host.commandLine().takeNew(); }
};

TEST_F(InputRecord, OneEventIsStillAListOfOneEvent) {
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Enter*\"");
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"((256 13))");
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Cancel*\"");
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"((256 27))");
}

TEST_F(InputRecord, OnlyPlainLeftClicksAreRecorded) {
    act(L"pick", L"50,30 shift");  // opens a window, with Shift held: not recorded
    act(L"pick", L"55,35");
    act(L"middle-click", L"60,30");
    act(L"pick", L"52,32 ctrl");
    act(L"pick", L"58,38");
    act(L"right-click", L"");  // a plain right click, taken as Enter: not recorded either
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Enter*\"");
    // The modifier keys themselves are key presses.
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"((256 16) (513 (55.0 35.0 0.0)) (256 17) (513 (58.0 38.0 0.0)))");
}

TEST_F(InputRecord, ATransparentCommandRunsAtTheSelectionPrompt) {
    load({"VexaOrdo"});
    vexa::sim::Document* first = host.documents().current();
    vexa::sim::Document& second = host.documents().openDocument(L"/work/Drawings/Shaft.dwg");
    host.documents().activateDocument(first);
    type(L"'VexaActivateDWG");
    type(L"/work/Drawings/Shaft.dwg");
    pressEnter();
    fresh();
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Enter*\"");
    EXPECT_EQ(fresh().find(L"Invalid selection"), std::wstring::npos);
    EXPECT_EQ(host.documents().current(), &second);
}

TEST_F(InputRecord, ARefusedWatcherLeavesAnEmptyRecordAndTheSelectionRuns) {
    const std::wstring a = line(10, 10, 20, 10);
    host.faults().arm(L"acedRegisterWatchWinMsg");
    pick(15, 10);
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"(" + a + L")");
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"nil");
    EXPECT_EQ(host.input().filters().watcherCount(), 0u);
}

TEST_F(InputRecord, ARefusedRecorderIsReportedAndEnterIsStillTold) {
    host.faults().arm(L"acedRegisterFilterWinMsg");
    pressEnter();
    fresh();
    EXPECT_EQ(eval(L"(Vexa-SSSGet \"Pick one: \")"), L"\"*Enter*\"");
    EXPECT_NE(fresh().find(L"\nCan't register Windows Msg hook."), std::wstring::npos);
    EXPECT_EQ(host.input().filters().filterCount(), 0u);
}

TEST_F(InputRecord, ARefusedSelectionEndsBothFunctionsWithoutAResult) {
    line(10, 10, 20, 10);
    host.faults().arm(L"acedSSGet");
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"nil");
    host.faults().arm(L"acedSSGet");
    EXPECT_EQ(eval(L"(Vexa-SSSGet \"Pick one: \" \"Yes No\")"), L"nil");
    EXPECT_EQ(host.input().filters().filterCount() + host.input().filters().watcherCount(), 0u);
    EXPECT_EQ(editor().selectionSets().live(), 0u);
}

}  // namespace
