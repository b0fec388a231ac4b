// "Vexa-ViewsDlg" in the simulated host: initial state, the allowed-views and OK rules, the result.
#include "solid3d/resource.h"
#include "support/solid3d_fixture.h"

namespace {

using ViewsDialog = vexa::test::Solid3dTest;
using vexa::sim::win::DialogView;

constexpr int kViews[] = {IDC_VIEW_FRONT,      IDC_VIEW_RIGHT,  IDC_VIEW_TOP,    IDC_VIEW_LEFT,
                          IDC_VIEW_BOTTOM,     IDC_VIEW_REAR_RIGHT, IDC_VIEW_REAR_BELOW, IDC_VIEW_ISO_NE,
                          IDC_VIEW_ISO_NW,     IDC_VIEW_ISO_SW, IDC_VIEW_ISO_SE};

// A call with the given selection and allowed mask, the captions numbered, and a settings function.
std::wstring call(int initial, int allowed) {
    std::wstring text = L"(Vexa-ViewsDlg " + std::to_wstring(initial) + L" " + std::to_wstring(allowed) + L" \"Views\"";
    for (int i = 1; i < 20; ++i) text += L" \"C" + std::to_wstring(i) + L"\"";
    return text + L" \"Vexa-HlrSettings\" 7)";
}

int checkedMask(const DialogView& dialog) {
    int mask = 0;
    for (int view = 0; view < 11; ++view) {
        if (dialog.checked(kViews[view]) == BST_CHECKED) mask |= 1 << view;
    }
    return mask;
}

int enabledMask(const DialogView& dialog) {
    int mask = 0;
    for (int view = 0; view < 11; ++view) {
        if (dialog.enabled(kViews[view])) mask |= 1 << view;
    }
    return mask;
}

TEST_F(ViewsDialog, MinusFiveOpensFrontAndTopWithoutHiddenFeatures) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Views");
        EXPECT_EQ(checkedMask(dialog), 5);
        EXPECT_EQ(dialog.checked(IDC_SHOW_HIDDEN), BST_UNCHECKED);
        EXPECT_EQ(dialog.checked(IDC_COMPLETE_MODE), BST_CHECKED);
        EXPECT_FALSE(dialog.enabled(IDC_RETURN_AUTOMATICALLY));
        // Without hidden features the plain pictures show.
        EXPECT_FALSE(dialog.visible(IDC_VIEW_PICTURE_BASE));
        EXPECT_TRUE(dialog.visible(IDC_VIEW_PICTURE_BASE + 1));
        EXPECT_EQ(dialog.text(IDC_VIEWS_GROUP), L"C1");
        EXPECT_EQ(dialog.text(IDC_VIEW_ISO_SE), L"C12");
        EXPECT_EQ(dialog.text(IDC_HIDDEN_SETTINGS), L"C19");
    });
    click(IDOK);
    EXPECT_EQ(eval(call(-5, 0)), L"-5");

    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_RETURN_AUTOMATICALLY), BST_CHECKED);
        EXPECT_EQ(enabledMask(dialog), 5);
    });
    click(IDOK);
    EXPECT_EQ(eval(call(-5, 5)), L"-4101");
}

TEST_F(ViewsDialog, AllowedMaskDisablesAndClearsOtherViewsWhileReturningAutomatically) {
    look([](DialogView& dialog) {
        EXPECT_EQ(enabledMask(dialog), 3);
        EXPECT_EQ(checkedMask(dialog), 1);
    });
    click(IDC_RETURN_AUTOMATICALLY);
    look([](DialogView& dialog) {
        EXPECT_EQ(enabledMask(dialog), 2047);
        EXPECT_EQ(checkedMask(dialog), 1);  // views cleared before stay clear
    });
    click(IDOK);
    EXPECT_EQ(eval(call(1 + 4 + 128, 3)), L"1");
}

TEST_F(ViewsDialog, OkNeedsACheckedView) {
    click(IDC_VIEW_FRONT);
    look([](DialogView& dialog) { EXPECT_FALSE(dialog.enabled(IDOK)); });
    click(IDC_VIEW_ISO_SW);
    look([](DialogView& dialog) { EXPECT_TRUE(dialog.enabled(IDOK)); });
    click(IDOK);
    EXPECT_EQ(eval(call(1, -1)), L"512");
}

TEST_F(ViewsDialog, QuickModeWithoutViewsStartsWithOkEnabled) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_QUICK_MODE), BST_CHECKED);
        EXPECT_EQ(checkedMask(dialog), 0);
        EXPECT_TRUE(dialog.enabled(IDOK));
        EXPECT_TRUE(dialog.visible(IDC_VIEW_PICTURE_BASE) && !dialog.visible(IDC_VIEW_PICTURE_BASE + 1));
    });
    click(IDC_SHOW_HIDDEN);
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.visible(IDC_VIEW_PICTURE_BASE + 20));
        EXPECT_TRUE(dialog.visible(IDC_VIEW_PICTURE_BASE + 21));
    });
    click(IDC_COMPLETE_MODE);
    click(IDC_VIEW_TOP);
    click(IDOK);
    EXPECT_EQ(eval(call(2048, 0)), L"-4");
}

TEST_F(ViewsDialog, SettingsButtonCallsTheProductAndKeepsTheDialog) {
    eval(L"(defun Vexa-HlrSettings (n) (setq seen n))");
    click(IDC_HIDDEN_SETTINGS);
    look([](DialogView& dialog) { EXPECT_TRUE(dialog.enabled(IDOK)); });
    click(IDCANCEL);
    EXPECT_EQ(eval(call(2, 0)), L"nil");
    EXPECT_EQ(eval(L"seen"), L"7");
}

TEST_F(ViewsDialog, MalformedCallsAnswerNilWithoutADialog) {
    EXPECT_EQ(eval(L"(Vexa-ViewsDlg)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-ViewsDlg 5 0 \"Views\")"), L"nil");
    EXPECT_EQ(eval(call(5, 0).replace(call(5, 0).find(L"\"C3\""), 4, L"3")), L"nil");
    EXPECT_EQ(eval(call(5, 0).replace(call(5, 0).find(L" 7)"), 3, L" \"x\")")), L"nil");
}

TEST_F(ViewsDialog, AnswersTheKeepFocusQuery) {
    look([](DialogView& dialog) { EXPECT_EQ(SendMessageW(dialog.handle(), WM_ACAD_KEEPFOCUS, 0, 0), TRUE); });
    click(IDCANCEL);
    EXPECT_EQ(eval(call(1, 0)), L"nil");
}

}  // namespace
