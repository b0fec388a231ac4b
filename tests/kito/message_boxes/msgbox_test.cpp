// "Vexa-msgbox": caption and type rules, relabelled buttons, and a hook that never outlives the call.
#include "support/kito_fixture.h"
#include "kito/usage_texts.h"
#include "win/hooks.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

class MessageBoxes : public vexa::test::KitoTest {
protected:
    // Looks at the box when it is up, then presses the button.
    void answer(int button, std::function<void(DialogView&)> check) {
        look(std::move(check));
        act(DialogAct::answer(button));
    }
    static std::vector<int> buttons(const DialogView& box) {
        std::vector<int> present;
        for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
            if (box.exists(id)) present.push_back(id);
        }
        return present;
    }
};

TEST_F(MessageBoxes, TextAloneShowsTheChineseCaptionAndOk) {
    answer(IDOK, [](DialogView& box) {
        EXPECT_EQ(box.title(), L"Vexa 訊息");
        EXPECT_EQ(buttons(box), std::vector<int>{IDOK});
    });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"Hello!\")"), L"1");
}

TEST_F(MessageBoxes, NilCaptionAndATypeGiveTheEnglishCaptionAndTheButtons) {
    answer(IDNO, [](DialogView& box) {
        EXPECT_EQ(box.title(), L"Vexa Message");
        EXPECT_EQ(buttons(box), (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(box.text(IDYES), L"&Yes");
    });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"Go on?\" nil 4)"), L"7");
}

TEST_F(MessageBoxes, OneTextRelabelsALoneOkButton) {
    answer(IDOK, [](DialogView& box) {
        EXPECT_EQ(buttons(box), std::vector<int>{IDOK});
        EXPECT_EQ(box.text(IDOK), L"Understood");
    });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"Done\" \"Vexa\" 4 \"Understood\")"), L"1");
}

TEST_F(MessageBoxes, TwoAndThreeTextsRelabelYesNoAndCancel) {
    answer(IDNO, [](DialogView& box) {
        EXPECT_EQ(buttons(box), (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(box.text(IDYES), L"Metric");
        EXPECT_EQ(box.text(IDNO), L"Inch");
    });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"Units?\" \"Vexa\" 0 \"Metric\" \"Inch\")"), L"7");
    answer(IDCANCEL, [](DialogView& box) {
        EXPECT_EQ(buttons(box), (std::vector<int>{IDCANCEL, IDYES, IDNO}));
        EXPECT_EQ(box.text(IDCANCEL), L"Later");
    });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"Units?\" \"Vexa\" 0 \"Metric\" \"Inch\" \"Later\")"), L"2");
    EXPECT_EQ(input().hooks().count(WH_CBT), 0u);
}

TEST_F(MessageBoxes, EmptyFirstTextLeavesAStandardOkBox) {
    answer(IDOK, [](DialogView& box) {
        EXPECT_EQ(buttons(box), std::vector<int>{IDOK});
        EXPECT_EQ(box.text(IDOK), L"OK");
    });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"x\" \"Vexa\" 4 \"\" \"Inch\")"), L"1");
}

TEST_F(MessageBoxes, ThirtyTwoBitTypeIsTakenAsZero) {
    answer(IDOK, [](DialogView& box) { EXPECT_EQ(buttons(box), std::vector<int>{IDOK}); });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"x\" \"Vexa\" 65540)"), L"1");
}

TEST_F(MessageBoxes, WrongTextOrCaptionPrintsTheUsageAndShowsNoBox) {
    EXPECT_EQ(eval(L"(Vexa-msgbox 5)"), L"nil");
    EXPECT_EQ(takePrinted(), vexa::test::printedLines(vexa::kito::msgboxUsage()));
    EXPECT_EQ(eval(L"(Vexa-msgbox \"x\" 5)"), L"nil");
    EXPECT_EQ(takePrinted(), vexa::test::printedLines(vexa::kito::msgboxUsage()));
}

TEST_F(MessageBoxes, AFailedBoxLeavesNoHookToRelabelALaterWindow) {
    // Type 8 keeps a button-group bit outside the cleared three: no such box exists.
    EXPECT_EQ(eval(L"(Vexa-msgbox \"x\" \"Vexa\" 8 \"Gone\")"), L"0");
    EXPECT_EQ(input().hooks().count(WH_CBT), 0u);
    answer(IDOK, [](DialogView& box) { EXPECT_EQ(box.text(IDOK), L"OK"); });
    EXPECT_EQ(eval(L"(Vexa-msgbox \"y\")"), L"1");
}

TEST_F(MessageBoxes, ABoxNeverActivatedLeavesNoHook) {
    // The box is refused activation, so the hook never sees HCBT_ACTIVATE and cannot remove itself.
    host.windows().setActivationGate([](HWND window) { return GetDlgItem(window, IDOK) == nullptr; });
    host.user().queue(DialogAct::answer(IDOK));
    EXPECT_EQ(eval(L"(Vexa-msgbox \"x\" \"Vexa\" 0 \"Fine\")"), L"1");
    EXPECT_EQ(input().hooks().count(WH_CBT), 0u);
}

}  // namespace
