// The dimension settings dialog in the simulated host, driven by the scripted user.
#include "dim/settings/settings_resource.h"
#include "sim/fault_points.h"
#include "support/host_fixture.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

constexpr const wchar_t* kNilPage = L"'(nil nil nil (\"A\"))";
constexpr const wchar_t* kNotCounting = L"\"\" (0 0 0 0 0 \"\" \"\") \"\"";

class SettingsDialog : public vexa::test::HostTest {
protected:
    SettingsDialog() { load({"VexaDim"}); }

    std::wstring call(std::wstring_view first, std::wstring_view second = kNilPage, std::wstring_view third = kNilPage,
                      std::wstring_view tab = L"") {
        std::wstring source = L"(Vexa-DimSettingsDlg " + std::wstring(first) + L" " + std::wstring(second) + L" " +
                              std::wstring(third) +
                              L" \"Settings\" \"Dims\" \"Centre\" \"Hatch\" \"Fine\" \"Drop\" \"Style:\" \"Styles\""
                              L" \"Lay:\" \"Col:\" \"Lt:\" " +
                              std::wstring(tab) + L")";
        return eval(source);
    }
};

TEST_F(SettingsDialog, OpensWithTheCallersTextsAndValuesAndReturnsThemAtOk) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Settings");
        EXPECT_EQ(SendMessageW(dialog.handle(), WM_ACAD_KEEPFOCUS, 0, 0), TRUE);
        EXPECT_EQ(dialog.items(IDC_DIM_SETTINGS_TABS), (std::vector<std::wstring>{L"Dims", L"Centre", L"Hatch"}));
        EXPECT_EQ(dialog.selection(IDC_DIM_SETTINGS_TABS), 0);
        EXPECT_EQ(dialog.text(IDOK), L"Fine");
        EXPECT_EQ(dialog.text(IDCANCEL), L"Drop");
        EXPECT_EQ(dialog.text(IDC_DIM_LAYER_LABEL), L"Lay:");
        EXPECT_EQ(dialog.text(IDC_DIM_LINETYPE_LABEL), L"Lt:");
        EXPECT_EQ(dialog.text(IDC_DIM_STYLE_LABEL), L"Style:");
        EXPECT_FALSE(dialog.visible(IDC_DIM_STYLE));
        EXPECT_FALSE(dialog.visible(IDC_DIM_STYLE_BUTTON));
        // The prefix search tries the first entry last.
        EXPECT_EQ(dialog.selectedText(IDC_DIM_LAYER), L"DIM-B");
        EXPECT_EQ(dialog.selectedText(IDC_DIM_COLOR), L"Green");
        EXPECT_EQ(dialog.selectedText(IDC_DIM_LINETYPE), L"CONTINUOUS");
    });
    act(DialogAct::selectTab(IDC_DIM_SETTINGS_TABS, 1));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_SUB_COLOR_LABEL), L"Col:");
        EXPECT_EQ(dialog.items(IDC_SUB_LAYER), (std::vector<std::wstring>{L"AXIS", L"CENTRE"}));
        EXPECT_EQ(dialog.selectedText(IDC_SUB_LAYER), L"CENTRE");
        EXPECT_EQ(dialog.selectedText(IDC_SUB_LINETYPE), L"BYLAYER");
    });
    click(IDOK);
    EXPECT_EQ(call(L"'(\"dim\" (195 3) \"cont\" (\"DIM-A\" \"DIM-B\" \"X\"))",
                   L"'(\"CENTRE\" (194 0 10 20 30 \"Teal\" \"Book\" extra (1 2)) \"Wavy\" (\"CENTRE\" \"AXIS\"))"),
              L"((\"Standard\" \"DIM-B\" (195 3 0 0 3 \"\" \"\") \"CONTINUOUS\") "
              L"(\"CENTRE\" (194 -1 10 20 30 \"Teal\" \"Book\") \"BYLAYER\") (" +
                  std::wstring(kNotCounting) + L"))");
}

TEST_F(SettingsDialog, ValuesNotGivenOpenUnselectedAndComeBackEmpty) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_DIM_LAYER), -1);
        EXPECT_EQ(dialog.selection(IDC_DIM_COLOR), -1);
        EXPECT_EQ(dialog.selection(IDC_DIM_LINETYPE), -1);
    });
    click(IDOK);
    const std::wstring empty = L"(" + std::wstring(kNotCounting) + L")";
    EXPECT_EQ(call(L"'(nil nil nil nil)"), L"((\"Standard\" " + std::wstring(kNotCounting) + L") " + empty + L" " + empty + L")");
}

TEST_F(SettingsDialog, AMissingLayerIsAddedAndDroppingAListTakesItsFirstEntry) {
    act(DialogAct::dropDown(IDC_DIM_COLOR));
    act(DialogAct::escape());
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selectedText(IDC_DIM_LAYER), L"NEW");
        EXPECT_EQ(dialog.selection(IDC_DIM_COLOR), 0);
    });
    click(IDOK);
    EXPECT_EQ(call(L"'(\"NEW\" nil nil (\"A\" \"B\"))"),
              L"((\"Standard\" \"NEW\" (192 256 0 0 0 \"\" \"\") \"\") (" + std::wstring(kNotCounting) + L") (" +
                  std::wstring(kNotCounting) + L"))");
}

TEST_F(SettingsDialog, TabIndexTwoOpensOnTheThirdPage) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_DIM_SETTINGS_TABS), 2);
        EXPECT_EQ(dialog.selectedText(IDC_SUB_LAYER), L"HATCH");
    });
    click(IDCANCEL);
    EXPECT_EQ(call(kNilPage, kNilPage, L"'(\"HATCH\" nil nil (\"HATCH\"))", L"2"), L"nil");
}

TEST_F(SettingsDialog, TheStyleAlwaysComesBackAsTheDrawingsCurrentOne) {
    vexa::sim::db::Database& database = host.documents().current()->database();
    vexa::sim::db::ObjectId iso = vexa::sim::db::kNullId;
    ASSERT_EQ(database.addDimStyle({0, L"ISO-25"}, &iso), vexa::sim::db::Refusal::None);
    ASSERT_EQ(database.setCurrentDimStyle(iso), vexa::sim::db::Refusal::None);
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.items(IDC_DIM_STYLE), (std::vector<std::wstring>{L"ISO-25", L"Standard"}));
    });
    act(DialogAct::select(IDC_DIM_STYLE, L"Standard"));
    click(IDOK);
    EXPECT_EQ(call(kNilPage).substr(0, 10), L"((\"ISO-25\"");
    // The host's style manager is not shown: its run is only counted.
    eval(L"(command \"_.DDIM\")");
    EXPECT_EQ(host.dimStyleManagerRuns(), 1);
}

TEST_F(SettingsDialog, AStyleTableThatCannotBeOpenedLeavesTheStyleEmpty) {
    vexa::sim::armFault(host, L"acdbOpenObject", 1);
    look([](DialogView& dialog) { EXPECT_TRUE(dialog.items(IDC_DIM_STYLE).empty()); });
    click(IDOK);
    EXPECT_EQ(call(kNilPage).substr(0, 5), L"((\"\" ");
}

TEST_F(SettingsDialog, CallsOfAnotherShapeShowNothingAndReturnNil) {
    const std::wstring texts = L" \"t\" \"a\" \"b\" \"c\" \"o\" \"x\" \"s\" \"b\" \"l\" \"c\" \"t\"";
    const wchar_t* pages = L"'(nil nil nil nil) '(nil nil nil nil) '(nil nil nil nil)";
    for (const std::wstring& source : std::vector<std::wstring>{
             L"(Vexa-DimSettingsDlg)",
             L"(Vexa-DimSettingsDlg " + std::wstring(pages) + L")",
             L"(Vexa-DimSettingsDlg '(nil nil nil) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg '(1 nil nil nil) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg '(nil (194 0) nil nil) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg '(nil (195 300) nil nil) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg '(nil (194 0 1 2) nil nil) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg '(nil (194 0 1 2 3 \"n\") nil nil) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg '(nil nil nil (\"A\" 2)) '(nil nil nil nil) '(nil nil nil nil)" + texts + L")",
             L"(Vexa-DimSettingsDlg " + std::wstring(pages) + texts + L" 3)",
             L"(Vexa-DimSettingsDlg " + std::wstring(pages) + texts + L" \"1\")",
             L"(Vexa-DimSettingsDlg " + std::wstring(pages) + L" \"t\" \"a\" 1 \"c\" \"o\" \"x\" \"s\" \"b\" \"l\" \"c\" \"t\")",
         }) {
        EXPECT_EQ(eval(source), L"nil") << vexa::test::narrow(source);
    }
}

}  // namespace
