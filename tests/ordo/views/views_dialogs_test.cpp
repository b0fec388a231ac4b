// The views check, 3D model options and marking colour dialogs in the simulated host, driven by the scripted user.
#include "ordo/views/resource_views.h"
#include "support/ordo_dialog_fixture.h"

namespace {

using ViewsDialogs = vexa::test::OrdoDialogTest;
using vexa::sim::win::DialogView;

int windowHeight(const DialogView& dialog) {
    RECT rect{};
    GetWindowRect(dialog.handle(), &rect);
    return rect.bottom - rect.top;
}

TEST_F(ViewsDialogs, ReportWithBothCountsAsksToContinue) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Check");
        EXPECT_EQ(dialog.text(IDC_ERROR_COUNT_LABEL), L"Errors  7");
        EXPECT_EQ(dialog.text(IDC_FREE_NODE_COUNT), L"3");
        EXPECT_EQ(dialog.text(IDC_NON_PROJECTED_COUNT), L"4");
        for (int id : {IDOK, IDCANCEL, IDC_CONTINUE_QUESTION}) {
            EXPECT_TRUE(dialog.visible(id) && dialog.enabled(id)) << id;
        }
        EXPECT_FALSE(dialog.visible(IDC_CLOSE));
        EXPECT_EQ(dialog.text(IDC_CONTINUE_QUESTION), L"Go on?");
        EXPECT_EQ(dialog.text(IDC_CLOSE), L"Shut");
    });
    click(IDOK);
    EXPECT_EQ(
        eval(L"(Vexa-dxVBKchkMsg '(1 3) '(2 4) '(10 0) "
             L"'(\"LANGTEXT\" \"Check\" \"Errors\" \"Go on?\" \"Free\" \"Non\" \"\" \"OK\" \"Cancel\" \"Shut\"))"),
        L"(T)");
}

TEST_F(ViewsDialogs, ReportOnlyShowsCloseInAShorterWindow) {
    int askingHeight = 0;
    look([&](DialogView& dialog) { askingHeight = windowHeight(dialog); });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkMsg '(1 2) '(10 0))"), L"nil");

    look([&](DialogView& dialog) {
        EXPECT_EQ(windowHeight(dialog), askingHeight - 15);
        EXPECT_FALSE(dialog.enabled(IDC_NON_PROJECTED_LABEL));
        EXPECT_FALSE(dialog.enabled(IDC_NON_PROJECTED_COUNT));
        EXPECT_EQ(dialog.text(IDC_NON_PROJECTED_COUNT), L"0");
        EXPECT_TRUE(dialog.enabled(IDC_FREE_NODE_COUNT));
        EXPECT_EQ(dialog.text(IDC_ERROR_COUNT_LABEL), L"  2");
        for (int id : {IDOK, IDCANCEL, IDC_CONTINUE_QUESTION}) EXPECT_FALSE(dialog.visible(id)) << id;
        EXPECT_TRUE(dialog.visible(IDC_CLOSE) && dialog.enabled(IDC_CLOSE));
    });
    click(IDC_CLOSE);
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkMsg '(1 2) '(10 -1))"), L"nil");
}

TEST_F(ViewsDialogs, EnterDoesNotAcceptAReportThatAsksNothingAndEscapeCloses) {
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkMsg '(1 -4) '(2 -1))"), L"nil");
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkMsg '(1 -4) '(2 -1))"), L"nil");
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkMsg '(1 1) '(10 3))"), L"(T)");
}

TEST_F(ViewsDialogs, ControlsTheTemplatesKeepHidden) {
    look([](DialogView& dialog) {
        for (int id : {IDC_ANGLE_FUZZY_LABEL, IDC_ANGLE_FUZZY, IDC_CHECK_ITEM3, IDC_TRIANGLE_PICTURE}) {
            EXPECT_FALSE(dialog.visible(id)) << id;
        }
        EXPECT_TRUE(dialog.visible(IDC_FREE_NODE_PICTURE) && dialog.visible(IDC_NON_PROJECTED_PICTURE));
    });
    click(IDCANCEL);
    eval(L"(Vexa-dxVBKchkx '(1 0.1))");
    look([](DialogView& dialog) {
        for (int id : {IDC_SHELVY_LABEL, IDC_SHELVY_BOX, IDC_ALIGNMENT_LABEL, IDC_ALIGNMENT_BOX, IDC_TRIANGLE_PICTURE,
                       IDC_CROSS_PICTURE}) {
            EXPECT_FALSE(dialog.visible(id)) << id;
        }
    });
    click(IDCANCEL);
    eval(L"(Vexa-dxVBKchkMsg '(1 1) '(10 0))");
    look([](DialogView& dialog) {
        for (int id : {IDC_FAST_LABEL, IDC_SLOW_LABEL, IDC_MODE_NAME, IDC_SLIDER_QMARK}) {
            EXPECT_FALSE(dialog.visible(id)) << id;
        }
        EXPECT_TRUE(dialog.visible(IDC_HELP_BUTTON));
    });
    click(IDCANCEL);
    eval(L"(Vexa-dxAuto3dModel '(0 1))");
}

TEST_F(ViewsDialogs, MarkingColoursShowTheCallersColoursAndTexts) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selectedText(IDC_LACKING_COLOUR), L"Red");
        EXPECT_EQ(dialog.selectedText(IDC_REDUNDANT_COLOUR), L"Green");
        EXPECT_EQ(dialog.title(), L"T");
        EXPECT_EQ(dialog.text(IDC_LACKING_LABEL), L"A");
        EXPECT_EQ(dialog.text(IDC_REDUNDANT_LABEL), L"B");
        for (const std::wstring& entry : dialog.items(IDC_LACKING_COLOUR)) {
            EXPECT_TRUE(entry != L"ByLayer" && entry != L"ByBlock") << vexa::test::narrow(entry);
        }
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxSelColor '(195 0 0 1) '(195 0 0 3) '(\"LANGTEXT\" \"T\" \"A\" \"B\" \"OK\" \"Cancel\"))"),
              L"((195 0 0 1) (195 0 0 3))");
}

TEST_F(ViewsDialogs, MarkingColoursReturnATrueColourUnchangedAndTheUsersChoice) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selectedText(IDC_LACKING_COLOUR), L"10,20,30");
        EXPECT_EQ(dialog.text(IDOK), L"");
    });
    act(vexa::sim::win::DialogAct::select(IDC_REDUNDANT_COLOUR, L"Blue"));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxSelColor '(194 10 20 30) '(195 0 0 2) '(195 0 0 9))"), L"((194 10 20 30) (195 0 0 5))");
    act(vexa::sim::win::DialogAct::select(IDC_LACKING_COLOUR, L"Blue"));
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-dxSelColor '(194 10 20 30) '(195 0 0 2))"), L"nil");
}

TEST_F(ViewsDialogs, NoArgumentsShowNothing) {
    for (const wchar_t* name : {L"Vexa-dxVBKchkx", L"Vexa-dxVBKchkMsg", L"Vexa-dxAuto3dModel", L"Vexa-dxSelColor"}) {
        EXPECT_EQ(eval(std::wstring(L"(") + name + L")"), L"nil") << vexa::test::narrow(name);
    }
}

TEST_F(ViewsDialogs, SetupTakesTwoCaptionsAndReturnsTheAngleAsAReal) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"A");
        EXPECT_EQ(dialog.text(IDC_FUZZY_GROUP), L"B");
        for (int id :
             {IDC_POSITION_FUZZY_LABEL, IDC_CHECK_ITEM_GROUP, IDC_CHECK_ITEM1, IDC_CHECK_ITEM2, IDOK, IDCANCEL}) {
            EXPECT_EQ(dialog.text(id), L"") << id;
        }
        EXPECT_EQ(dialog.text(IDC_POSITION_FUZZY), L"0.5");
        EXPECT_EQ(dialog.checked(IDC_CHECK_ITEM1), BST_CHECKED);
        EXPECT_FALSE(dialog.enabled(IDC_CHECK_ITEM1));
        EXPECT_FALSE(dialog.visible(IDC_ANGLE_FUZZY));
        EXPECT_FALSE(dialog.visible(IDC_CHECK_ITEM3));
    });
    act(vexa::sim::win::DialogAct::check(IDC_CHECK_ITEM2));
    act(vexa::sim::win::DialogAct::replaceText(IDC_POSITION_FUZZY, L"0.25"));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkx '(1 5) '(2 \"0.5\") '(3 1) '(4 0) '(5 1) '(\"LANGTEXT\" \"A\" \"B\"))"),
              L"(5.0 \"0.25\" 1 1)");
}

TEST_F(ViewsDialogs, SetupCancelledGivesNil) {
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-dxVBKchkx '(1 0.1))"), L"nil");
}

TEST_F(ViewsDialogs, ModelDefaultsFromOnlyACaptionList) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_MODE_SLIDER), 2);
        EXPECT_EQ(dialog.checked(IDC_VIEWS_CHECK), BST_UNCHECKED);
        for (int id : {IDC_FREE_ENDPOINT, IDC_MIS_PROJECTED}) {
            EXPECT_FALSE(dialog.enabled(id));
            EXPECT_EQ(dialog.checked(id), BST_CHECKED);
        }
        EXPECT_EQ(dialog.text(IDC_LIMIT), L"3");
        EXPECT_EQ(dialog.title(), L"3D");
        EXPECT_EQ(dialog.text(IDC_ROUGH_LABEL), L"Rough\n(Fast)");
        EXPECT_EQ(dialog.text(IDC_MODE_DESCRIPTION), L"m2");
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxAuto3dModel '(\"LANGTEXT\" \"3D\" \"Solid\" \"Rough\" \"Fast\" \"Fine\" \"Slow\" \"\" "
                   L"\"\" \"\" \"\" \"\" \"\" "
                   L"\"m1\" \"m2\" \"m3\" \"m4\" \"m5\"))"),
              L"(2 0 1 1 3)");
}

const wchar_t* const kModelCaptions =
    L"'(\"LANGTEXT\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"m1\" \"m2\" \"m3\" \"m4\" \"m5\" "
    L"\"\" \"\" \"\" "
    L"\"\" \"\" \"\" \"Help\" \"?\" \"Pick a mode.\")";

TEST_F(ViewsDialogs, ModelSliderAndViewsCheckActAtOnce) {
    act(vexa::sim::win::DialogAct::check(IDC_VIEWS_CHECK));
    look([](DialogView& dialog) {
        EXPECT_TRUE(dialog.enabled(IDC_FREE_ENDPOINT));
        EXPECT_TRUE(dialog.enabled(IDC_MIS_PROJECTED));
    });
    act(vexa::sim::win::DialogAct::uncheck(IDC_MIS_PROJECTED));
    act(vexa::sim::win::DialogAct::drag(IDC_MODE_SLIDER, {3, 4, 5}));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_MODE_DESCRIPTION), L"m5"); });
    click(IDOK);
    EXPECT_EQ(eval(std::wstring(L"(Vexa-dxAuto3dModel '(1 10) ") + kModelCaptions + L")"), L"(5 1 1 0 10)");
}

TEST_F(ViewsDialogs, ModelHelpButtonShowsTheHelpMessage) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_HELP_BUTTON), L"?");
        // The face comes from the bitmap its resource text "QMARK" names.
        EXPECT_NE(SendMessageW(dialog.control(IDC_HELP_BUTTON), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    });
    click(IDC_HELP_BUTTON);
    look([](DialogView& box) {
        EXPECT_TRUE(box.isMessageBox());
        EXPECT_EQ(box.title(), L"Help");
    });
    act(vexa::sim::win::DialogAct::answer(IDOK));
    pressEscape();
    EXPECT_EQ(eval(std::wstring(L"(Vexa-dxAuto3dModel ") + kModelCaptions + L")"), L"nil");
}

TEST_F(ViewsDialogs, ModelOutsideTheSliderKeepsTheTemplateDescription) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_MODE_SLIDER), 5);
        EXPECT_EQ(dialog.text(IDC_MODE_DESCRIPTION).substr(0, 8), L"- Modify");
    });
    act(vexa::sim::win::DialogAct::replaceText(IDC_LIMIT, L"ten"));
    click(IDOK);
    look([](DialogView& box) { EXPECT_TRUE(box.isMessageBox()); });
    act(vexa::sim::win::DialogAct::answer(IDOK));
    act(vexa::sim::win::DialogAct::replaceText(IDC_LIMIT, L"70000"));
    click(IDOK);
    EXPECT_EQ(eval(std::wstring(L"(Vexa-dxAuto3dModel '(0 9) ") + kModelCaptions + L")"), L"(5 0 1 1 70000)");
}

}  // namespace
