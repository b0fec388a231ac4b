// "Vexa-disableESC", "Vexa-readKB" and "Vexa-grRead" against the simulated keyboard, mouse and hooks.
#include "support/kito_fixture.h"
#include "kito/usage_texts.h"
#include "win/hooks.h"

namespace {

using vexa::test::Received;

constexpr int escape = static_cast<int>(VK_ESCAPE);
const Received escapeDownAndUp = {{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}};
const Received escapeUpOnly = {{WM_KEYUP, VK_ESCAPE}};

class KeyboardControl : public vexa::test::KitoTest {
protected:
    std::size_t hooks(int type) { return input().hooks().count(type); }
    std::size_t filters() { return input().filters().filterCount(); }
};

TEST_F(KeyboardControl, UsageTextsWithoutArguments) {
    EXPECT_EQ(eval(L"(Vexa-disableESC)"), L"nil");
    EXPECT_EQ(takePrinted(), vexa::test::printedLines(vexa::kito::disableEscUsage()));
    EXPECT_EQ(eval(L"(Vexa-grRead)"), L"nil");
    EXPECT_EQ(takePrinted(), vexa::test::printedLines(vexa::kito::grReadUsage()));
}

TEST_F(KeyboardControl, ModeIsStoredAndReadBack) {
    EXPECT_EQ(eval(L"(Vexa-disableESC -1)"), L"0");
    EXPECT_EQ(eval(L"(Vexa-disableESC 3)"), L"nil");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 1u);
    // A mode without a catcher is still stored, and removes the catcher.
    EXPECT_EQ(eval(L"(Vexa-disableESC 7)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-disableESC -1)"), L"7");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 0u);
    // Anything but a 16-bit integer removes every catcher and keeps the mode.
    eval(L"(Vexa-disableESC 2)");
    EXPECT_EQ(eval(L"(Vexa-disableESC \"x\")"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-disableESC 70000)"), L"nil");
    EXPECT_EQ(hooks(WH_KEYBOARD), 0u);
    EXPECT_EQ(eval(L"(Vexa-disableESC -1)"), L"2");
    EXPECT_EQ(takePrinted(), L"");
}

TEST_F(KeyboardControl, OneCatcherAtATime) {
    eval(L"(Vexa-disableESC 1)");
    EXPECT_EQ(filters(), 1u);
    eval(L"(Vexa-disableESC 2)");
    EXPECT_EQ(filters(), 0u);
    EXPECT_EQ(hooks(WH_KEYBOARD), 1u);
    eval(L"(Vexa-disableESC 4)");
    eval(L"(Vexa-disableESC 5)");
    EXPECT_EQ(hooks(WH_KEYBOARD), 0u);
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 1u);
    eval(L"(Vexa-disableESC 0)");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 0u);
}

TEST_F(KeyboardControl, ReadKbReportsTheLastKeyDownAndDispatchesEverything) {
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
    input().pressKey('A');
    input().pressKey('B');
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"66");
    EXPECT_EQ(takeReceived(), (Received{{WM_KEYDOWN, 'A'}, {WM_KEYUP, 'A'}, {WM_KEYDOWN, 'B'}, {WM_KEYUP, 'B'}}));
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
}

TEST_F(KeyboardControl, HostFilterDropsEscFromTheHostLoopWithoutCapturing) {
    eval(L"(Vexa-disableESC 1)");
    input().pressKey(escape);
    input().runHostLoop();
    EXPECT_EQ(takeReceived(), escapeUpOnly);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
    // Drained by the function itself, the key-down never meets the filter.
    input().pressKey(escape);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    EXPECT_EQ(takeReceived(), escapeDownAndUp);
}

TEST_F(KeyboardControl, ThreadHookDropsEscDownAndUpAndCapturesIt) {
    eval(L"(Vexa-disableESC 2)");
    input().pressKey(escape);
    input().pressKey('Q');
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    EXPECT_EQ(takeReceived(), (Received{{WM_KEYDOWN, 'Q'}, {WM_KEYUP, 'Q'}}));
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
}

TEST_F(KeyboardControl, LowLevelHookDropsOnlyTheKeyDownInModesThreeAndFour) {
    for (const wchar_t* mode : {L"3", L"4"}) {
        eval(std::wstring(L"(Vexa-disableESC ") + mode + L")");
        input().pressKey(escape);
        EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27") << "mode " << vexa::test::narrow(mode);
        EXPECT_EQ(takeReceived(), escapeUpOnly);
        EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
    }
}

TEST_F(KeyboardControl, ModeThreeLeavesOtherProgramsAloneAndModeFourDoesNot) {
    eval(L"(Vexa-disableESC 3)");
    const HWND notepad = input().activateOtherProgram(L"Notepad");
    input().pressKey(escape);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
    ASSERT_EQ(input().otherPrograms().received().size(), 2u);
    EXPECT_EQ(input().otherPrograms().received()[0].window, notepad);
    EXPECT_EQ(input().otherPrograms().received()[0].message, WM_KEYDOWN);

    // Installed while the other program is active, mode 4 still reaches it.
    eval(L"(Vexa-disableESC 4)");
    input().pressKey(escape);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    ASSERT_EQ(input().otherPrograms().received().size(), 3u);
    EXPECT_EQ(input().otherPrograms().received()[2].message, WM_KEYUP);
    EXPECT_EQ(takeReceived(), Received{});
}

TEST_F(KeyboardControl, ModeFiveWatchesTheHostOnlyAndDropsNothing) {
    eval(L"(Vexa-disableESC 5)");
    input().pressKey(escape);
    input().runHostLoop();
    EXPECT_EQ(takeReceived(), escapeDownAndUp);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");

    input().activateOtherProgram(L"Browser");
    input().pressKey(escape);
    EXPECT_EQ(input().otherPrograms().received().size(), 2u);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
}

TEST_F(KeyboardControl, EmptyingTheCapturedKeyKeepsModeAndHook) {
    eval(L"(Vexa-disableESC 3)");
    input().pressKey(escape);
    EXPECT_EQ(eval(L"(Vexa-disableESC -2)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
    EXPECT_EQ(eval(L"(Vexa-disableESC -1)"), L"3");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 1u);
    // An injected key is caught like a typed one.
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
}

TEST_F(KeyboardControl, RemovingTheCatchersEmptiesTheCapturedKey) {
    eval(L"(Vexa-disableESC 4)");
    input().pressKey(escape);
    eval(L"(Vexa-disableESC 0)");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
}

TEST_F(KeyboardControl, FailedRegistrationsAreReportedAndTriedAgain) {
    input().filters().setRefusing(true);
    input().hooks().setRefusing(true);
    EXPECT_EQ(eval(L"(Vexa-disableESC 1)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-disableESC 2)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-disableESC 3)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-grRead 1)"), L"nil");
    EXPECT_EQ(takePrinted(), L"Can't register Windows Msg hook - ESC\n"
                             L"Can't register Windows Msg hook - Lower->upper\n"
                             L"Can't register Windows Msg hook - Lower->upper\n"
                             L"\nCan't register Windows Msg hook.");
    input().filters().setRefusing(false);
    input().hooks().setRefusing(false);
    eval(L"(Vexa-disableESC 3)");
    eval(L"(Vexa-grRead 1)");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 1u);
    EXPECT_EQ(filters(), 1u);
    eval(L"(Vexa-disableESC 0)");
    eval(L"(Vexa-grRead 0)");
}

TEST_F(KeyboardControl, RecorderKeepsTheLastKeyOrButtonUpOfTheHostLoop) {
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(0 0)");
    eval(L"(Vexa-grRead 1)");
    input().click(vexa::sim::MouseButton::Left, {300, 250});
    input().runHostLoop();
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(514 0)");
    input().pressKey('K');
    input().runHostLoop();
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(256 75)");
    // Messages drained by a function bypass the host's loop and its recorder.
    input().click(vexa::sim::MouseButton::Right, {300, 250});
    eval(L"(Vexa-readKB)");
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(256 75)");
    // Start again clears; stop keeps what was recorded.
    eval(L"(Vexa-grRead 1)");
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(0 0)");
    input().click(vexa::sim::MouseButton::Middle, {300, 250});
    input().runHostLoop();
    eval(L"(Vexa-grRead 0)");
    input().click(vexa::sim::MouseButton::Right, {300, 250});
    input().runHostLoop();
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(520 0)");
    EXPECT_EQ(eval(L"(Vexa-grRead 3)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-grRead \"2\")"), L"nil");
    EXPECT_EQ(filters(), 0u);
    takeReceived();
}

TEST_F(KeyboardControl, UnloadingRemovesEverythingAndReloadStartsFresh) {
    eval(L"(Vexa-disableESC 3)");
    eval(L"(Vexa-grRead 1)");
    input().pressKey('Z');
    input().runHostLoop();
    host.unloadPlugin(L"VexaKito");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 0u);
    EXPECT_EQ(filters(), 0u);
    load({"VexaKito"});
    EXPECT_EQ(eval(L"(Vexa-disableESC -1)"), L"0");
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(0 0)");
    takeReceived();
}

}  // namespace
