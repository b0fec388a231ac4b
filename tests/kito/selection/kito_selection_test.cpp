// VexaKito's "Vexa-SSGet", "Vexa-ssgetRec" and "Vexa-SSSGet".
#include "support/selection_fixture.h"
#include "win/winuser.h"

namespace {

using vexa::sim::PromptAnswer;
using vexa::sim::editor::SelectionCall;

class KitoSelection : public vexa::test::SelectionTest {
protected:
    KitoSelection() { load({"VexaKito"}); }
    // The host call the last selection made, as "mode | first | second | filter".
    std::wstring lastCall() {
        const SelectionCall& call = editor().selectionCalls().back();
        return call.mode + L" | " + call.first + L" | " + call.second + (call.filter ? L" | filter" : L"");
    }
};

TEST_F(KitoSelection, EachArgumentShapeReachesTheHostAsItsModeSays) {
    const std::wstring a = line(10, 10, 20, 10);
    EXPECT_EQ(eval(L"(Vexa-SSGet \"c\" '(5.0 5.0 0.0) '(25.0 35.0 0.0))"), L"(" + a + L")");
    EXPECT_EQ(lastCall(), L"C | point (5 5 0) | point (25 35 0)");
    EXPECT_EQ(eval(L"(Vexa-SSGet \"cp\" '((5.0 5.0 0.0) (25.0 5.0 0.0) (25.0 15.0 0.0)) \"placeholder\")"), L"(" + a + L")");
    EXPECT_EQ(lastCall(), L"CP | points 3 | none");
    EXPECT_EQ(eval(L"(Vexa-SSGet \"\" '(15.0 10.0 0.0))"), L"(" + a + L")");
    EXPECT_EQ(lastCall(), L"(none) | point (15 10 0) | none");
    EXPECT_EQ(eval(L"(Vexa-SSGet \":E\" '(15.0 10.0 0.0))"), L"(" + a + L")");
    EXPECT_EQ(lastCall(), L":E | point (15 10 0) | none");
    EXPECT_EQ(eval(L"(Vexa-SSGet \"-W\" '(1.0 1.0 0.0) '(2.0 2.0 0.0))"), L"nil");
    EXPECT_EQ(lastCall(), L"-W | none | none");
    EXPECT_EQ(eval(L"(Vexa-SSGet \"x\" nil nil '((0 . \"LINE\")))"), L"(" + a + L")");
    EXPECT_EQ(lastCall(), L"X | none | none | filter");

    pressEnter();
    eval(L"(Vexa-SSGet \":$\" \"Objects: \")");
    EXPECT_EQ(lastCall(), L":$ | prompts \"Objects: \" \"Objects: \" | none");
    pressEnter();
    eval(L"(Vexa-SSGet \":k\" nil \"Yes No\")");
    EXPECT_EQ(lastCall(), L":K | none | keywords \"Yes No _ Yes No\"");
    pressEnter();
    eval(L"(Vexa-SSGet \":$:K\" \"Obj: \" \"Yes No\")");
    EXPECT_EQ(lastCall(), L":$:K | prompts \"Obj: \" \"Obj: \" | keywords \"Yes No _ Yes No\"");
    pressEnter();
    eval(L"(Vexa-SSGet)");
    EXPECT_EQ(lastCall(), L"(none) | none | none");
}

TEST_F(KitoSelection, ResultsFollowStatusKeywordOtherTextAndErrno) {
    const std::wstring a = line(10, 10, 20, 10);
    EXPECT_EQ(eval(L"(Vexa-SSGet \"X\" nil nil '((0 . \"CIRCLE\")))"), L"nil");  // ERRNO still 0
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Cancel*\"");
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Enter*\"");  // ERRNO 52
    type(L"n");
    EXPECT_EQ(eval(L"(Vexa-SSGet \":$:K\" \"Go on [Yes/No]: \" \"Yes No\")"), L"\"No\"");
    // Objects selected before the keyword win.
    pick(15, 10);
    type(L"yes");
    EXPECT_EQ(eval(L"(Vexa-SSGet \":$:K\" \"Go on [Yes/No]: \" \"Yes No\")"), L"(" + a + L")");
    type(L"Hello");
    EXPECT_EQ(eval(L"(Vexa-SSGet \":$:?\" \"Anything: \")"), L"\"Hello\"");
    // A string where the filter belongs gives no filter.
    EXPECT_EQ(eval(L"(Vexa-SSGet \"X\" nil nil \"CIRCLE\" '((0 . \"CIRCLE\")))"), L"(" + a + L")");
    EXPECT_EQ(lastCall(), L"X | none | none");
    EXPECT_EQ(host.input().filters().watcherCount(), 0u);
}

TEST_F(KitoSelection, TheInputRecordHoldsKeysAndClicksInTheCurrentViewport) {
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"nil");
    editor().viewports().tile(2);
    key(0x77);  // F8
    pick(50, 30);  // nothing there: the first corner of a window
    pick(55, 35);
    pick(65, 10, 3);  // makes viewport 3 current: not recorded
    rightClick();     // a plain right click, taken as Enter: not recorded
    EXPECT_EQ(eval(L"(Vexa-SSGet)"), L"\"*Enter*\"");
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"((256 119) (513 (50.0 30.0 0.0)) (513 (55.0 35.0 0.0)))");
    // The record stays until the next "Vexa-SSGet".
    EXPECT_EQ(eval(L"(Vexa-ssgetRec)"), L"((256 119) (513 (50.0 30.0 0.0)) (513 (55.0 35.0 0.0)))");
}

TEST_F(KitoSelection, SingleSelectionEndsWithEnterEscapeAPickOrAKeyword) {
    const std::wstring a = line(10, 10, 20, 10);
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-SSSGet \"One: \" \"Yes No\")"), L"\"*Enter*\"");
    EXPECT_EQ(lastCall(), L":$:K:S | prompts \"One: \" \"One: \" | keywords \"Yes No _ Yes No\"");
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-SSSGet \"One: \")"), L"\"*Cancel*\"");
    pick(15, 10);
    EXPECT_EQ(eval(L"(Vexa-SSSGet \"One: \" nil '((0 . \"LINE\")))"), L"(" + a + L")");
    type(L"y");
    EXPECT_EQ(eval(L"(Vexa-SSSGet \"One: \" \"Yes No\")"), L"\"Yes\"");
    EXPECT_EQ(host.input().filters().filterCount(), 0u);
}

}  // namespace
