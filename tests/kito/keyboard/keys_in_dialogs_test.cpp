// ESC control and the key recorder while a message box runs its own loop: the host's filters do
// not see a modal loop's messages, the keyboard hooks see every key wherever the focus is.
#include "support/kito_fixture.h"
#include "win/hooks.h"

namespace {

using vexa::sim::win::DialogAct;

// An OK/Cancel box: ESC cancels it (2), Enter presses OK (1).
constexpr const wchar_t* okCancelBox = L"(Vexa-msgbox \"Go on?\" \"Vexa\" 1)";

class KeysInDialogs : public vexa::test::KitoTest {};

TEST_F(KeysInDialogs, TheHostFilterOfModeOneLeavesEscInAMessageBoxAlone) {
    eval(L"(Vexa-disableESC 1)");
    pressEscape();
    EXPECT_EQ(eval(okCancelBox), L"2");
    // At the host's own loop the same filter still drops it.
    host.windows().activate(probe);
    SetFocus(probe);
    input().pressKey(VK_ESCAPE);
    input().runHostLoop();
    EXPECT_EQ(takeReceived(), (vexa::test::Received{{WM_KEYUP, VK_ESCAPE}}));
    eval(L"(Vexa-disableESC 0)");
}

TEST_F(KeysInDialogs, TheRecorderDoesNotSeeKeysPressedInADialog) {
    eval(L"(Vexa-grRead 1)");
    pressEnter();
    EXPECT_EQ(eval(okCancelBox), L"1");
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(0 0)");
    input().pressKey('K');
    input().runHostLoop();
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(256 75)");
    eval(L"(Vexa-grRead 0)");
    takeReceived();
}

TEST_F(KeysInDialogs, TheLowLevelHookOfModesThreeAndFourDropsAndCapturesEscInADialog) {
    for (const wchar_t* mode : {L"3", L"4"}) {
        eval(std::wstring(L"(Vexa-disableESC ") + mode + L")");
        // The ESC never reaches the box, which the user then answers with OK.
        pressEscape();
        host.user().queue(DialogAct::answer(IDOK));
        EXPECT_EQ(eval(okCancelBox), L"1") << "mode " << vexa::test::narrow(mode);
        EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    }
    eval(L"(Vexa-disableESC 0)");
}

TEST_F(KeysInDialogs, ModeFiveCapturesEscInADialogAndLetsItThrough) {
    eval(L"(Vexa-disableESC 5)");
    pressEscape();
    EXPECT_EQ(eval(okCancelBox), L"2");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    eval(L"(Vexa-disableESC 0)");
}

TEST_F(KeysInDialogs, TheThreadHookOfModeTwoDropsEscInADialog) {
    eval(L"(Vexa-disableESC 2)");
    pressEscape();
    host.user().queue(DialogAct::answer(IDOK));
    EXPECT_EQ(eval(okCancelBox), L"1");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    eval(L"(Vexa-disableESC 0)");
}

}  // namespace
