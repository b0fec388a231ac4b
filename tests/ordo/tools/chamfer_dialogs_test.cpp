// The de-chamfer dialogs in the simulated host: number fields checked at every keystroke, the
// mode following the size boxes.
#include "ordo/tools/resource_chamfer_frame.h"
#include "support/ordo_dialog_fixture.h"

namespace {

using ChamferDialogs = vexa::test::OrdoDialogTest;
using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

// The selection of an edit control, or of a combo box's edit field.
std::pair<int, int> selectionOf(const DialogView& dialog, int id, bool combo = false) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(dialog.control(id), combo ? CB_GETEDITSEL : EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

TEST_F(ChamferDialogs, ShowsTheValuesWithGAndReturnsThemUnchanged) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"De-chamfer");
        EXPECT_EQ(dialog.text(IDC_DECHAMF_FILLET), L"2.5");
        EXPECT_EQ(dialog.text(IDC_DECHAMF_CHAMFER), L"1");
        EXPECT_EQ(dialog.text(IDC_DECHAMF_README), L"Sizes to look for");
        EXPECT_EQ(dialog.text(IDCANCEL), L"");
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxDeChamf '(0 2.5) '(1 1) '(\"LANGTEXT\" \"De-chamfer\" \"Value\" \"Fillet\" \"Chamfer\" "
                   L"\"Sizes to look for\" \"OK\"))"),
              L"(2.5 1.0)");
    EXPECT_EQ(eval(L"(Vexa-dxDeChamf)"), L"nil");
}

TEST_F(ChamferDialogs, RejectedKeystrokesAreUndoneWithTheCaretOneBack) {
    act(DialogAct::keys(IDC_DECHAMF_FILLET, L"{END}-"));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_DECHAMF_FILLET), L"2.5");
        EXPECT_EQ(selectionOf(dialog, IDC_DECHAMF_FILLET), std::make_pair(3, 3));
    });
    act(DialogAct::keys(IDC_DECHAMF_FILLET, L"{END}.7"));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_DECHAMF_FILLET), L"2.57"); });
    // A "+" is kept only as the very first character; a rejected first character leaves the caret at 0.
    act(DialogAct::replaceText(IDC_DECHAMF_CHAMFER, L"+"));
    act(DialogAct::keys(IDC_DECHAMF_CHAMFER, L"4+"));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_DECHAMF_CHAMFER), L"+4");
        EXPECT_EQ(selectionOf(dialog, IDC_DECHAMF_CHAMFER), std::make_pair(2, 2));
    });
    act(DialogAct::keys(IDC_DECHAMF_CHAMFER, L"{HOME}x"));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_DECHAMF_CHAMFER), L"+4");
        EXPECT_EQ(selectionOf(dialog, IDC_DECHAMF_CHAMFER), std::make_pair(0, 0));
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxDeChamf '(0 2.5) '(1 1))"), L"(2.57 4.0)");
}

TEST_F(ChamferDialogs, CaptionsWithoutTheTagAreIgnoredButTheFieldsWork) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"");
        EXPECT_EQ(dialog.text(IDC_DECHAMF_FILLET_LABEL), L"");
        EXPECT_EQ(dialog.text(IDOK), L"");
        EXPECT_EQ(dialog.text(IDC_DECHAMF_FILLET), L"3");
    });
    act(DialogAct::replaceText(IDC_DECHAMF_CHAMFER, L""));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-dxDeChamf '(0 3) '(\"OTHER\" \"Title\" \"Value\"))"), L"(3.0 0.0)");
}

constexpr const wchar_t* kCommandCaptions =
    L"'(\"LANGTEXT\" \"DeChamf Command\" \"Function\" \"Manual\" \"Auto de-fillet\" \"Fillet radius\" "
    L"\"Auto de-chamfer\" \"Chamfer distance\" \"OK\" \"Cancel\")";

TEST_F(ChamferDialogs, ChoosingAChamferSizeSwitchesToAutoDeChamfer) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_COMM_MANUAL), BST_CHECKED);
        EXPECT_EQ(dialog.items(IDC_COMM_FILLET), (std::vector<std::wstring>{L"1", L"2.5", L"5"}));
        EXPECT_EQ(dialog.text(IDC_COMM_FILLET), L"2");
        // Sizes beyond n and elements that are no strings are left out.
        EXPECT_EQ(dialog.items(IDC_COMM_CHAMFER), (std::vector<std::wstring>{L"0.5", L"1"}));
        EXPECT_EQ(dialog.text(IDC_COMM_AUTO_CHAMFER), L"Auto de-chamfer");
    });
    act(DialogAct::select(IDC_COMM_CHAMFER, L"0.5"));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_COMM_AUTO_CHAMFER), BST_CHECKED);
        EXPECT_EQ(dialog.checked(IDC_COMM_MANUAL), BST_UNCHECKED);
    });
    click(IDOK);
    EXPECT_EQ(eval(std::wstring(L"(Vexa-dxDeChamfComm '(0 0) '(1 (3 \"2\" \"5\" \"1\" \"2.5\")) "
                                L"'(2 (2 \"1\" 7 \"1\" \"0.5\" \"9\")) ") +
                   kCommandCaptions + L")"),
              L"(2 2.0 0.5)");
}

TEST_F(ChamferDialogs, TypingInTheFilletBoxChecksTheTextAndSwitchesToAutoDeFillet) {
    act(DialogAct::keys(IDC_COMM_FILLET, L"3-"));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_COMM_FILLET), L"3");
        EXPECT_EQ(selectionOf(dialog, IDC_COMM_FILLET, true), std::make_pair(1, 1));
        EXPECT_EQ(dialog.checked(IDC_COMM_AUTO_FILLET), BST_CHECKED);
    });
    // After a chosen entry a rejected keystroke goes back to that entry.
    act(DialogAct::select(IDC_COMM_FILLET, L"4"));
    act(DialogAct::keys(IDC_COMM_FILLET, L"{END}e"));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_COMM_FILLET), L"4"); });
    click(IDC_COMM_MANUAL);
    click(IDOK);
    EXPECT_EQ(eval(std::wstring(L"(Vexa-dxDeChamfComm '(0 2) '(1 (1 \"\" \"4\")) '(2 (0 \"x1\")) ") + kCommandCaptions +
                   L")"),
              L"(0 4.0 0.0)");
    EXPECT_EQ(eval(L"(Vexa-dxDeChamfComm)"), L"nil");
}

}  // namespace
