// VexaOrdo's "Vexa-PSSget" and "Vexa-PSSget-S": the selected names, or how the selection ended.
#include "support/selection_fixture.h"

namespace {

using vexa::sim::PromptAnswer;

class PickSelection : public vexa::test::SelectionTest {
protected:
    PickSelection() { load({"VexaOrdo"}); }
    std::size_t filters() { return host.input().filters().filterCount(); }
};

TEST_F(PickSelection, EscapeEnterAndARightClickTellHowItEnded) {
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-PSSget \"Pick: \")"), L"\"*Cancel*\"");
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-PSSget \"Pick: \")"), L"\"*Enter*\"");
    // With SHORTCUTMENU 0 the right click ends the prompt as Enter would, but no Enter key was seen.
    eval(L"(setvar \"SHORTCUTMENU\" 0)");
    rightClick();
    EXPECT_EQ(eval(L"(Vexa-PSSget)"), L"nil");
    EXPECT_EQ(filters(), 0u);
    EXPECT_NE(printed().find(L"\nPick: "), std::wstring::npos);
}

TEST_F(PickSelection, SelectedObjectsComeBackAsNamesInSelectionOrder) {
    const std::wstring first = line(10, 10, 20, 10);
    const std::wstring second = circle(50, 50, 5);
    pick(50, 55);
    pick(15, 10);
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-PSSget \"Pick: \")"), L"(" + second + L" " + first + L")");
    // Single selection ends at the first pick that finds something.
    pick(15, 10);
    EXPECT_EQ(eval(L"(Vexa-PSSget-S \"One: \")"), L"(" + first + L")");
    EXPECT_EQ(filters(), 0u);
}

TEST_F(PickSelection, TheFilterListReachesTheHostAndOtherArgumentsGiveNone) {
    const std::wstring onA = line(10, 10, 20, 10, L"A");
    const std::wstring onB = line(10, 30, 20, 30, L"B");
    queue(vexa::sim::editor::windowActs({5, 5}, {25, 35}, false));
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-PSSget \"Pick: \" '((8 . \"B\")))"), L"(" + onB + L")");
    EXPECT_TRUE(editor().selectionCalls().back().filter);
    // A string in the filter's place passes on nothing, not the nodes behind it.
    queue(vexa::sim::editor::windowActs({5, 5}, {25, 35}, false));
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-PSSget \"Pick: \" \"B\" '((8 . \"B\")))"), L"(" + onA + L" " + onB + L")");
    EXPECT_FALSE(editor().selectionCalls().back().filter);
    EXPECT_EQ(editor().selectionCalls().back().mode, L":$");
    EXPECT_EQ(editor().selectionCalls().back().first, L"prompts \"Pick: \" \"Pick: \"");
}

TEST_F(PickSelection, TheFilterIsGoneAfterEveryReturnAndARefusedOneStillSelects) {
    pressEnter();
    eval(L"(Vexa-PSSget-S 5)");
    EXPECT_EQ(filters(), 0u);
    EXPECT_EQ(editor().selectionCalls().back().mode, L":$:S");
    EXPECT_EQ(editor().selectionCalls().back().first, L"prompts \"\" \"\"");
    host.input().filters().setRefusing(true);
    pressEscape();
    // Without the watch ESC is not seen: with SHORTCUTMENU at 11 the answer is nil.
    EXPECT_EQ(eval(L"(Vexa-PSSget)"), L"nil");
    EXPECT_NE(printed().find(L"\nCan't register Windows Msg hook."), std::wstring::npos);
    eval(L"(setvar \"SHORTCUTMENU\" 0)");
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-PSSget)"), L"\"*Enter*\"");
}

}  // namespace
