// The layer display dialogs: the product's darkness and transparency handed over by "Apply",
// and locked-layer fading with the material's opacity put into effect while they change.
#include "ordo/layers/env_setup_resource.h"
#include "support/ordo_dialog_fixture.h"
#include "win/commctrl.h"

namespace vexa::test {
namespace {

constexpr const wchar_t* recordingSetup =
    L"(setq *sent* nil) (defun c:Vexa-OrdoEnvSetup (d t) (setq *sent* (append *sent* (list (list d t)))) T)";
constexpr const wchar_t* makeJelly =
    L"(dictadd (cdr (assoc -1 (dictsearch (namedobjdict) \"ACAD_MATERIAL\"))) \"Vexa-JELLYORDO\""
    L" (entmakex '((0 . \"MATERIAL\") (1 . \"Vexa-JELLYORDO\") (140 . 0.3))))";
constexpr const wchar_t* jellyOpacity =
    L"(cdr (assoc 140 (dictsearch (cdr (assoc -1 (dictsearch (namedobjdict) \"ACAD_MATERIAL\"))) \"Vexa-JELLYORDO\")))";
constexpr const wchar_t* lockedLayers = L"(Vexa-dxOrdoSet2 \"Locked\" \"Fading\" \"Opacity\" \"OK\" \"Cancel\")";

class EnvSetup : public OrdoDialogTest {
protected:
    std::wstring fading() { return eval(L"(getvar \"LayLockFadeCTL\")"); }
};

TEST_F(EnvSetup, OrdoSetupShowsTheValuesAndReturnsTheSlidersAtOK) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Ordo Setup");
        EXPECT_EQ(dialog.text(IDC_ENV_DARKNESS_BOX), L"40");
        EXPECT_EQ(dialog.text(IDC_ENV_TRANSPARENCY_BOX), L"0.25");
        EXPECT_FALSE(dialog.enabled(IDC_ENV_APPLY));
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxOrdoSet '(1 40) '(2 25))"), L"(40 25)");
}

TEST_F(EnvSetup, ApplySendsTheDraggedValuesAndAChannelClickMovesTheSliderOnly) {
    eval(recordingSetup);
    act(DialogAct::drag(IDC_ENV_TRANSPARENCY_SLIDER, {60}));
    click(IDC_ENV_APPLY);
    act(DialogAct::scroll(IDC_ENV_DARKNESS_SLIDER, TB_PAGEDOWN));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_ENV_TRANSPARENCY_BOX), L"0.6");
        EXPECT_EQ(dialog.text(IDC_ENV_DARKNESS_BOX), L"40");
        EXPECT_EQ(dialog.selection(IDC_ENV_DARKNESS_SLIDER), 50);
        EXPECT_TRUE(dialog.enabled(IDC_ENV_APPLY));
    });
    click(IDC_ENV_APPLY);
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-dxOrdoSet '(1 40) '(2 25) '(\"LANGTEXT\" \"Display\"))"), L"nil");
    EXPECT_EQ(eval(L"*sent*"), L"((40 60) (40 60))");
}

TEST_F(EnvSetup, OnlyTheExactTagMakesACaptionListAndAFailedApplyKeepsTheDialog) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Ordo Setup");
        EXPECT_EQ(dialog.text(IDC_ENV_DARKNESS_GROUP), L"Scale of Dark shown layer");
    });
    act(DialogAct::drag(IDC_ENV_DARKNESS_SLIDER, {70}));
    click(IDC_ENV_APPLY);  // no product command defined: the invocation fails
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_ENV_DARKNESS_BOX), L"70"); });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxOrdoSet '(\"langtext\" \"T\" \"G1\") '(1 200) '(2 . 5))"), L"(70 0)");
    EXPECT_NE(host.commandLine().transcript().find(L"acedInvoke() failed."), std::wstring::npos);
}

TEST_F(EnvSetup, FadingOffShowsItsAmountAndAMoveTurnsItOn) {
    eval(L"(setvar \"LayLockFadeCTL\" -50)");
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Locked");
        EXPECT_EQ(dialog.text(IDC_ENV2_FADING_BOX), L"50");
        EXPECT_EQ(dialog.text(IDC_ENV2_OPACITY_BOX), L"50");  // no material
    });
    act(DialogAct::drag(IDC_ENV2_FADING_SLIDER, {51}));
    click(IDOK);
    EXPECT_EQ(eval(lockedLayers), L"(51 50)");
    EXPECT_EQ(fading(), L"51");
    EXPECT_EQ(host.redrawCount(), 0);
}

TEST_F(EnvSetup, TypedFadingIsCutTo90HoweverLongTheNumber) {
    act(DialogAct::replaceText(IDC_ENV2_FADING_BOX, L"95"));
    look([this](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_ENV2_FADING_SLIDER), 90);
        EXPECT_EQ(fading(), L"90");
    });
    act(DialogAct::replaceText(IDC_ENV2_FADING_BOX, L"7"));
    act(DialogAct::replaceText(IDC_ENV2_OPACITY_BOX, L"99999999999"));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.selection(IDC_ENV2_OPACITY_SLIDER), 100); });
    act(DialogAct::replaceText(IDC_ENV2_FADING_BOX, L""));
    click(IDOK);
    EXPECT_EQ(eval(lockedLayers), L"(0 100)");
    EXPECT_EQ(fading(), L"0");
}

TEST_F(EnvSetup, OpacityMovesLeaveTheFadingAloneAndRedrawAtEachChange) {
    eval(makeJelly);
    eval(L"(setvar \"LayLockFadeCTL\" -40)");
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_ENV2_OPACITY_BOX), L"30"); });
    act(DialogAct::drag(IDC_ENV2_OPACITY_SLIDER, {60, 20, 60}));
    look([this](DialogView&) { EXPECT_EQ(eval(jellyOpacity), L"0.6"); });
    click(IDCANCEL);
    EXPECT_EQ(eval(lockedLayers), L"nil");
    EXPECT_EQ(fading(), L"-40");
    EXPECT_EQ(host.redrawCount(), 3);
    EXPECT_EQ(eval(jellyOpacity), L"0.6");
    const std::wstring printed = host.commandLine().transcript();
    EXPECT_NE(printed.find(L"\nCommand: REDRAW\n"), std::wstring::npos);
}

TEST_F(EnvSetup, AMaterialThatCannotBeOpenedIsLeftAsItWasAndTheScreenStillRedraws) {
    eval(makeJelly);
    act(DialogAct::query([this](DialogView&) { host.faults().arm(L"acdbOpenObject", 2); }));
    act(DialogAct::drag(IDC_ENV2_OPACITY_SLIDER, {80}));
    click(IDOK);
    EXPECT_EQ(eval(lockedLayers), L"(50 80)");
    EXPECT_EQ(eval(jellyOpacity), L"0.3");
    EXPECT_EQ(host.redrawCount(), 1);
}

TEST_F(EnvSetup, MissingOrNonStringTextsKeepTheResourceTexts) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Locked");
        EXPECT_EQ(dialog.text(IDC_ENV2_FADING_LABEL), L"Locked layer fading");
        EXPECT_EQ(dialog.text(IDC_ENV2_OPACITY_LABEL), L"Opacity");
        EXPECT_EQ(dialog.text(IDOK), L"OK");
    });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-dxOrdoSet2 \"Locked\" 5 \"Opacity\")"), L"nil");
}

}  // namespace
}  // namespace vexa::test
