// The automatic dimensioning setup dialog in the simulated host, driven by the scripted user.
#include "dim/setup/setup_resource.h"
#include "support/host_fixture.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

class SetupDialog : public vexa::test::HostTest {
protected:
    SetupDialog() { load({"VexaDim"}); }

    // The call with the given type, object type, hidden choice, orthogonal flag and nested lists.
    std::wstring call(int type, int object, int hidden, int orthogonal, std::wstring_view presets = L"(\"0.5\" \"1\" \"2\")",
                      std::wstring_view entries = L"(\"No\" \"Yes\" \"Only\")") {
        std::wstring source = L"(Vexa-DimSetupDlg \"Auto\"";
        for (int i = 1; i < 19; ++i) source += L" \"c" + std::to_wstring(i) + L"\"";
        source += L" " + std::to_wstring(type) + L" " + std::to_wstring(object) + L" " + std::to_wstring(hidden) + L" " +
                  std::to_wstring(orthogonal) + L" '" + std::wstring(presets) + L" '" + std::wstring(entries) +
                  L" \"C:Vexa-DimStyle\" 7)";
        return eval(source);
    }
};

TEST_F(SetupDialog, OpensWithTheGivenChoicesAndReturnsThemAtOk) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Auto");
        EXPECT_EQ(dialog.text(IDC_SETUP_TYPE_GROUP), L"c1");
        EXPECT_EQ(dialog.text(IDC_SETUP_TYPE_4), L"c8");
        EXPECT_EQ(dialog.text(IDCANCEL), L"c18");
        EXPECT_EQ(dialog.checked(IDC_SETUP_TYPE_1), BST_CHECKED);
        EXPECT_EQ(dialog.checked(IDC_SETUP_OBJECT_2), BST_CHECKED);
        EXPECT_EQ(dialog.checked(IDC_SETUP_ORTHOGONAL), BST_CHECKED);
        EXPECT_EQ(dialog.selection(IDC_SETUP_HIDDEN), 1);
        EXPECT_EQ(dialog.text(IDC_SETUP_CHAMFER), L"0.5");
        EXPECT_EQ(dialog.items(IDC_SETUP_CHAMFER), (std::vector<std::wstring>{L"1", L"2"}));
        EXPECT_TRUE(dialog.enabled(IDC_SETUP_HIDDEN));
    });
    click(IDOK);
    EXPECT_EQ(call(1, 2, 1, 1), L"(1 2 1 1 \"0.5\")");
}

TEST_F(SetupDialog, ListedTypesDisableTheSettingsAndStillReturnTheirValues) {
    look([](DialogView& dialog) {
        for (int id : {IDC_SETUP_OBJECT_0, IDC_SETUP_OBJECT_1, IDC_SETUP_OBJECT_2, IDC_SETUP_HIDDEN, IDC_SETUP_CHAMFER,
                       IDC_SETUP_ORTHOGONAL}) {
            EXPECT_FALSE(dialog.enabled(id)) << id;
        }
    });
    click(IDOK);
    EXPECT_EQ(call(4, 1, 2, 1), L"(4 1 2 1 \"0.5\")");
    act(DialogAct::click(IDOK));
    EXPECT_EQ(call(5, 2, 1, 0), L"(5 2 1 0 \"0.5\")");
}

TEST_F(SetupDialog, CompleteLinearResetsTheHiddenChoiceAndLeavingItDoesNotRestoreIt) {
    click(IDC_SETUP_TYPE_2);
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.enabled(IDC_SETUP_HIDDEN));
        EXPECT_EQ(dialog.selection(IDC_SETUP_HIDDEN), 0);
    });
    click(IDC_SETUP_TYPE_3);
    look([](DialogView& dialog) {
        EXPECT_TRUE(dialog.enabled(IDC_SETUP_HIDDEN));
        EXPECT_EQ(dialog.selection(IDC_SETUP_HIDDEN), 0);
    });
    click(IDOK);
    EXPECT_EQ(call(0, 0, 2, 0), L"(3 0 0 0 \"0.5\")");
}

TEST_F(SetupDialog, ChamferFieldTakesOnlyNumberText) {
    act(DialogAct::replaceText(IDC_SETUP_CHAMFER, L"1.2"));
    act(DialogAct::keys(IDC_SETUP_CHAMFER, L"."));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_SETUP_CHAMFER), L"1.2"); });
    act(DialogAct::replaceText(IDC_SETUP_CHAMFER, L"+5"));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_SETUP_CHAMFER), L"+5"); });
    act(DialogAct::keys(IDC_SETUP_CHAMFER, L"+"));
    act(DialogAct::replaceText(IDC_SETUP_CHAMFER, L"-5"));
    click(IDOK);
    EXPECT_EQ(call(0, 0, 0, 0), L"(0 0 0 0 \"+5\")");
}

TEST_F(SetupDialog, SinglePresetGivesAnEmptyDropListAndNilListsReadAsEmpty) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_SETUP_CHAMFER), L"3");
        EXPECT_TRUE(dialog.items(IDC_SETUP_CHAMFER).empty());
        EXPECT_TRUE(dialog.items(IDC_SETUP_HIDDEN).empty());
    });
    click(IDOK);
    EXPECT_EQ(call(0, 0, 0, 0, L"(\"3\")", L"nil"), L"(0 0 -1 0 \"3\")");
}

TEST_F(SetupDialog, CancelReturnsNilAfterChanges) {
    click(IDC_SETUP_TYPE_5);
    act(DialogAct::uncheck(IDC_SETUP_ORTHOGONAL));
    click(IDCANCEL);
    EXPECT_EQ(call(0, 0, 0, 1), L"nil");
}

TEST_F(SetupDialog, StyleButtonCallsTheProductWithItsArgumentAndStaysOpen) {
    eval(L"(defun C:Vexa-DimStyle (n) (setq styleArgument n) nil)");
    click(IDC_SETUP_STYLE);
    look([](DialogView& dialog) { EXPECT_EQ(dialog.title(), L"Auto"); });
    click(IDOK);
    EXPECT_EQ(call(0, 0, 0, 0), L"(0 0 0 0 \"0.5\")");
    EXPECT_EQ(eval(L"styleArgument"), L"7");
}

}  // namespace
