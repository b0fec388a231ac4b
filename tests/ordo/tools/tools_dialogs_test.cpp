// The bolt, drill and cylinder dialogs in the simulated host, driven by the scripted user.
#include <array>

#include "ordo/tools/resource_tools.h"
#include "support/ordo_dialog_fixture.h"

namespace {

using ToolsDialogs = vexa::test::OrdoDialogTest;
using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

constexpr std::array<int, 9> kDiameters = {IDC_DIAMETER_2,  IDC_DIAMETER_3,  IDC_DIAMETER_4,
                                           IDC_DIAMETER_5,  IDC_DIAMETER_6,  IDC_DIAMETER_8,
                                           IDC_DIAMETER_10, IDC_DIAMETER_12, IDC_DIAMETER_16};

int bore(int index) { return IDC_FIRST_BORE + index; }
int stroke(int index) { return IDC_FIRST_STROKE + index; }

// The indexes of the enabled radios among `count` consecutive ids.
std::vector<int> enabledOf(const DialogView& dialog, int first, int count) {
    std::vector<int> enabled;
    for (int i = 0; i < count; ++i) {
        if (dialog.enabled(first + i)) enabled.push_back(i);
    }
    return enabled;
}

TEST_F(ToolsDialogs, NutMovesDiameterAndViewAndDisablesThem) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_DIAMETER_3), BST_CHECKED);
        EXPECT_EQ(dialog.checked(IDC_VIEW_FRONT), BST_CHECKED);
        EXPECT_FALSE(dialog.enabled(IDC_DIAMETER_2));
        EXPECT_FALSE(dialog.enabled(IDC_VIEW_BOTTOM));
        EXPECT_TRUE(dialog.enabled(IDC_DIAMETER_16));
        EXPECT_EQ(dialog.title(), L"Bolts");
        EXPECT_EQ(dialog.text(IDC_TYPE_1), L"Nut");
        EXPECT_EQ(dialog.text(IDCANCEL), L"");
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Bolt '(0 1) '(1 0) '(2 2) '(\"LANGTEXT\" \"Bolts\" \"Type\" \"Cap\" \"Nut\"))"),
              L"(1 1 1)");
}

TEST_F(ToolsDialogs, CountersunkScrewMovesSixteenToEight) {
    click(IDC_TYPE_3);
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_DIAMETER_8), BST_CHECKED);
        EXPECT_EQ(dialog.checked(IDC_DIAMETER_16), BST_UNCHECKED);
        for (int id : {IDC_DIAMETER_10, IDC_DIAMETER_12, IDC_DIAMETER_16}) EXPECT_FALSE(dialog.enabled(id)) << id;
        EXPECT_TRUE(dialog.enabled(IDC_DIAMETER_2));
        EXPECT_TRUE(dialog.enabled(IDC_VIEW_BOTTOM));
    });
    click(IDC_TYPE_0);
    look([](DialogView& dialog) {
        for (int id : kDiameters) EXPECT_TRUE(dialog.enabled(id)) << id;
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Bolt '(0 0) '(1 8) '(2 2))"), L"(0 5 2)");
}

TEST_F(ToolsDialogs, ValueOutsideItsGroupSelectsNoRadioAndReturnsMinusOne) {
    look([](DialogView& dialog) {
        for (int id : {IDC_VIEW_TOP, IDC_VIEW_FRONT, IDC_VIEW_BOTTOM}) {
            EXPECT_EQ(dialog.checked(id), BST_UNCHECKED) << id;
        }
        for (int id : kDiameters) EXPECT_EQ(dialog.checked(id), BST_UNCHECKED) << id;
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Bolt '(0 3) '(1 12) '(2 5))"), L"(3 -1 -1)");
    click(IDC_CYLINDER_LEFT);
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Cyld '(0 3) '(1 1) '(2 9) '(3 40))"), L"(1 2 -1)");
}

TEST_F(ToolsDialogs, CountersunkHoleTakesNoUserSize) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_DIAMETER_8), BST_CHECKED);
        EXPECT_FALSE(dialog.enabled(IDC_DIAMETER_USER));
        EXPECT_FALSE(dialog.enabled(IDC_USER_SIZE));
        EXPECT_EQ(dialog.text(IDC_USER_SIZE), L"6.5");
    });
    click(IDC_TYPE_0);
    look([](DialogView& dialog) {
        EXPECT_TRUE(dialog.enabled(IDC_DIAMETER_USER));
        EXPECT_TRUE(dialog.enabled(IDC_USER_SIZE));
        EXPECT_FALSE(dialog.enabled(IDC_DIAMETER_2));
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Drill '(0 3) '(1 9) '(2 1) '(3 6.5))"), L"(0 5 1 6.5)");
}

TEST_F(ToolsDialogs, DrillReturnsTheTypedSizeAsARealAndRefusesText) {
    click(IDC_DIAMETER_USER);
    act(DialogAct::replaceText(IDC_USER_SIZE, L"x"));
    click(IDC_TYPE_1);
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.isMessageBox());
        EXPECT_EQ(dialog.text(IDC_USER_SIZE), L"x");
    });
    click(IDOK);
    look([](DialogView& box) { EXPECT_TRUE(box.isMessageBox()); });
    act(DialogAct::answer(IDOK));
    act(DialogAct::replaceText(IDC_USER_SIZE, L"7"));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Drill '(0 0) '(1 1) '(2 0))"), L"(1 9 0 7.0)");

    look([](DialogView& dialog) { EXPECT_EQ(dialog.checked(IDC_DIAMETER_16), BST_CHECKED); });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Drill '(0 4) '(1 9) '(2 2) '(3 2))"), L"(4 8 2 2.0)");
}

TEST_F(ToolsDialogs, SeriesDialogRecordsTheChoice) {
    look([](DialogView& dialog) { EXPECT_EQ(dialog.checked(IDC_SERIES_DAB), BST_CHECKED); });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-CyldS '(0 2))"), L"2");
    click(IDC_SERIES_PBDA);
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-dxTools-CyldS '(0 2))"), L"nil");
}

TEST_F(ToolsDialogs, NdasCorrectsBoreAndStrokeAndShowsItsPictures) {
    look([](DialogView& dialog) {
        EXPECT_EQ(enabledOf(dialog, IDC_FIRST_BORE, 10), (std::vector<int>{0, 1, 3}));
        EXPECT_EQ(enabledOf(dialog, IDC_FIRST_STROKE, 18), (std::vector<int>{0, 1, 2, 3}));
        for (int picture = 0; picture < 16; ++picture) {
            EXPECT_EQ(dialog.visible(IDC_FIRST_VIEW_PICTURE + picture), picture / 4 == 1) << picture;
        }
        EXPECT_EQ(dialog.text(IDC_STROKE_GROUP), L"Stroke (mm)");
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Cyld '(0 1) '(1 5) '(2 1) '(3 8) '(\"LANGTEXT\" \"Cylinder\" \"View\" \"Size\" "
                   L"\"Stroke (mm)\"))"),
              L"(0 1 0)");
}

TEST_F(ToolsDialogs, CdasBoreClicksApplyTheStrokeRow) {
    click(bore(8));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(stroke(1)), BST_CHECKED);
        EXPECT_FALSE(dialog.enabled(stroke(0)));
        EXPECT_TRUE(dialog.enabled(stroke(13)));
    });
    click(bore(2));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(stroke(1)), BST_CHECKED);
        EXPECT_EQ(enabledOf(dialog, IDC_FIRST_STROKE, 18), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Cyld '(0 0) '(1 2) '(2 3) '(3 0))"), L"(2 3 1)");
}

TEST_F(ToolsDialogs, DabAndPbdaStrokeRows) {
    look([](DialogView& dialog) {
        EXPECT_EQ(enabledOf(dialog, IDC_FIRST_STROKE, 18), (std::vector<int>{4, 9, 12, 13, 14, 15}));
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Cyld '(0 2) '(1 4) '(2 0) '(3 0))"), L"(4 0 4)");
    look([](DialogView& dialog) { EXPECT_EQ(enabledOf(dialog, IDC_FIRST_STROKE, 18).size(), 18u); });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Cyld '(0 3) '(1 3) '(2 2) '(3 17))"), L"(3 2 17)");
}

TEST_F(ToolsDialogs, UnknownSeriesKeepsTheTemplateState) {
    look([](DialogView& dialog) {
        EXPECT_EQ(enabledOf(dialog, IDC_FIRST_BORE, 10).size(), 10u);
        EXPECT_EQ(enabledOf(dialog, IDC_FIRST_STROKE, 18).size(), 18u);
        for (int picture = 0; picture < 16; ++picture) EXPECT_FALSE(dialog.visible(IDC_FIRST_VIEW_PICTURE + picture));
    });
    click(bore(1));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxTools-Cyld '(0 7) '(1 0) '(2 0) '(3 16))"), L"(1 0 16)");
}

TEST_F(ToolsDialogs, NoArgumentsShowNothing) {
    for (const wchar_t* name :
         {L"Vexa-dxTools-Bolt", L"Vexa-dxTools-Drill", L"Vexa-dxTools-CyldS", L"Vexa-dxTools-Cyld"}) {
        EXPECT_EQ(eval(std::wstring(L"(") + name + L")"), L"nil") << vexa::test::narrow(name);
    }
}

}  // namespace
