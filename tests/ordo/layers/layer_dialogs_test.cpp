// The layer manager and its dialogs, driven by the scripted user against product commands
// written as AutoLISP stand-ins that record what they receive.
#include "ordo/layers/layer_manager_resource.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

using sim::PromptAnswer;
using sim::win::DialogAct;
using sim::win::DialogView;

// The product's commands: answers fixed per test, every call recorded in *calls*.
constexpr const wchar_t* productCommands = LR"(
(setq *calls* nil)
(defun record (name args) (setq *calls* (append *calls* (list (cons name args)))))
(defun c:Vexa-Layer-NEW (main) (record "NEW" (list main)) *new-answer*)
(defun c:Vexa-Layer-NEW-W (rows) (record "NEW-W" (list rows)) *new-w-answer*)
(defun c:Vexa-Layer-EDIT (main) (record "EDIT" (list main)) *edit-answer*)
(defun c:Vexa-Layer-EDIT-W (rows) (record "EDIT-W" (list rows)) *edit-w-answer*)
(defun c:Vexa-Layer-Purge () (record "Purge" nil) *purge-answer*)
(defun c:Vexa-FlashColor (n) (record "Flash" (list n)) '((0 195 0 0 1) (1 195 0 0 2) (2 195 0 0 3)))
(defun c:Vexa-Layer-SN () (record "SN" nil) *sn-answer*)
(defun c:Vexa-Layer-SN-W (g s) (record "SN-W" (list g s)) nil)
(defun calls-of (name / found)
  (foreach call *calls* (if (= (car call) name) (setq found (append found (list call)))))
  found)
)";

class LayerDialogs : public HostTest {
protected:
    LayerDialogs() {
        load({"VexaOrdo"});
        eval(productCommands);
    }
    std::wstring calls() { return eval(L"*calls*"); }
    static int height(const DialogView& dialog) {
        RECT frame{};
        GetWindowRect(dialog.handle(), &frame);
        return frame.bottom - frame.top;
    }
};

constexpr const wchar_t* threeLayers = L"(Vexa-dxOrdoMan '(0 (3 \"B\" \"A\" \"C\")) '(1 \"B\"))";

TEST_F(LayerDialogs, ManagerSortsTheListSelectsTheMainLayerAndReturnsItOnOK) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Layer Manager");
        EXPECT_EQ(dialog.items(IDC_MAN_LIST), (std::vector<std::wstring>{L"A", L"B", L"C"}));
        EXPECT_EQ(dialog.selectedText(IDC_MAN_LIST), L"B");
        EXPECT_EQ(dialog.text(IDC_MAN_COUNT), L"3");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(threeLayers), L"\"B\"");
}

TEST_F(LayerDialogs, AnEmptyListReturnsTheEmptyStringAndCancelAfterAClickReturnsNil) {
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (0)))"), L"\"\"");
    act(DialogAct::select(IDC_MAN_LIST, L"C"));
    act(DialogAct::click(IDCANCEL));
    EXPECT_EQ(eval(threeLayers), L"nil");
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan)"), L"nil");
}

TEST_F(LayerDialogs, CaptionsReplaceTheResourceTextsSlotBySlot) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"圖層管理");
        EXPECT_EQ(dialog.text(IDC_MAN_GROUP), L"清單");
        EXPECT_EQ(dialog.text(IDC_MAN_SERIES), L"Series");  // beyond the list: the resource text stays
    });
    act(DialogAct::click(IDCANCEL));
    eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")) '(\"LANGTEXT\" \"圖層管理\" \"清單\"))");
}

TEST_F(LayerDialogs, PurgeOfTheMainLayerSelectsZeroAndDeletesExactlyTheNamedEntries) {
    eval(L"(setq *purge-answer* '(\"A\" 5 \"X\"))");
    act(DialogAct::click(IDC_MAN_PURGE));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.items(IDC_MAN_LIST), (std::vector<std::wstring>{L"0", L"A-01", L"B"}));
        EXPECT_EQ(dialog.selectedText(IDC_MAN_LIST), L"0");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (4 \"A\" \"A-01\" \"B\" \"0\")) '(1 \"A\"))"), L"\"0\"");
}

TEST_F(LayerDialogs, PurgeOfTheMainLayerInAnotherLetterCaseSelectsZero) {
    eval(L"(setq *purge-answer* '(\"l001\"))");
    act(DialogAct::click(IDC_MAN_PURGE));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.items(IDC_MAN_LIST), (std::vector<std::wstring>{L"0", L"L002"}));
        EXPECT_EQ(dialog.selectedText(IDC_MAN_LIST), L"0");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (3 \"L001\" \"L002\" \"0\")) '(1 \"L001\"))"), L"\"0\"");
}

TEST_F(LayerDialogs, ARefusedCallIntoTheProductIsReportedAndTheManagerStaysOpen) {
    host.faults().arm(L"acedInvoke");
    act(DialogAct::click(IDC_MAN_NEW));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.title(), L"Layer Manager"); });
    act(DialogAct::click(IDOK));
    host.commandLine().takeNew();
    EXPECT_EQ(eval(threeLayers), L"\"B\"");
    EXPECT_NE(host.commandLine().takeNew().find(L"acedInvoke() failed."), std::wstring::npos);
    EXPECT_EQ(calls(), L"nil");
}

TEST_F(LayerDialogs, NewSendsTheRowsAndTheManagerSelectsTheLayerMade) {
    eval(LR"((setq *new-answer* '((1 "L002" 1 (195 0 0 1) "CONTINUOUS")
                                 (2 "^HID" 1 (195 0 0 2) "HIDDEN")
                                 (3 "" 0 (194 255 128 0) "CENTER")
                                 ("LANGTEXT" "New series")))
             (setq *new-w-answer* T))");
    act(DialogAct::click(IDC_MAN_NEW));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"New series");
        EXPECT_EQ(dialog.text(IDC_ROW_MAIN_NAME), L"L002");
        EXPECT_FALSE(dialog.enabled(IDC_ROW_HID));
        EXPECT_TRUE(dialog.enabled(IDC_ROW_DES));
        EXPECT_EQ(dialog.selectedText(IDC_ROW_COLOR_BASE + 3), L"255,128,0");
        EXPECT_EQ(dialog.selectedText(IDC_ROW_LINETYPE_BASE + 5), L"CENTER");
    });
    act(DialogAct::click(IDC_ROW_TOGGLE));
    act(DialogAct::click(IDC_ROW_DES));
    act(DialogAct::replaceText(IDC_ROW_NAME_BASE + 4, L"^BOLT"));
    act(DialogAct::replaceText(IDC_ROW_MAIN_NAME, L"L009"));
    act(DialogAct::click(IDC_ROW_LARGE_OK));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selectedText(IDC_MAN_LIST), L"L009");
        EXPECT_EQ(dialog.items(IDC_MAN_LIST), (std::vector<std::wstring>{L"A", L"L009"}));
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")) '(1 \"A\"))"), L"\"L009\"");
    EXPECT_EQ(eval(L"(car (nth 1 *calls*))"), L"\"NEW-W\"");
    EXPECT_EQ(eval(L"(nth 0 (cadr (nth 1 *calls*)))"), L"(0 0 \"L002\")");
    EXPECT_EQ(eval(L"(nth 1 (cadr (nth 1 *calls*)))"), L"(1 \"L009\" (195 0 0 1) \"CONTINUOUS\")");
    EXPECT_EQ(eval(L"(nth 2 (cadr (nth 1 *calls*)))"), L"(2 \"^HID\" (195 0 0 2) \"HIDDEN\")");
    EXPECT_EQ(eval(L"(nth 3 (cadr (nth 1 *calls*)))"), L"(3 \"^DES\" (194 255 128 0) \"CENTER\")");
    EXPECT_EQ(eval(L"(nth 4 (cadr (nth 1 *calls*)))"), L"(4 \"^BOLT\" (194 255 128 0) \"CENTER\")");
    EXPECT_EQ(eval(L"(length (cadr (nth 1 *calls*)))"), L"9");
}

TEST_F(LayerDialogs, CancelAfterASuccessfulNewReturnsNil) {
    eval(L"(setq *new-answer* '((1 \"L002\" 1 (195 0 0 1) \"CONTINUOUS\")) *new-w-answer* T)");
    act(DialogAct::click(IDC_MAN_NEW));
    act(DialogAct::click(IDOK));
    act(DialogAct::click(IDCANCEL));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))"), L"nil");
    EXPECT_EQ(eval(L"(mapcar 'car *calls*)"), L"(\"NEW\" \"NEW-W\")");
}

TEST_F(LayerDialogs, NewDataWithoutRowsTwoAndThreeDisablesBothButtonsAndSendsEmptyNames) {
    eval(L"(setq *new-answer* '((1 \"L002\" 1 (195 0 0 1) \"CONTINUOUS\")) *new-w-answer* nil)");
    act(DialogAct::click(IDC_MAN_NEW));
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.enabled(IDC_ROW_HID));
        EXPECT_FALSE(dialog.enabled(IDC_ROW_DES));
    });
    act(DialogAct::click(IDOK));
    // NEW-W answered nil: nothing was made, the list stays.
    look([](DialogView& dialog) { EXPECT_EQ(dialog.items(IDC_MAN_LIST), std::vector<std::wstring>{L"A"}); });
    act(DialogAct::click(IDCANCEL));
    eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))");
    EXPECT_EQ(eval(L"(nth 2 (cadr (nth 1 *calls*)))"), L"(2 \"\" (195 0 0 253) \"CONTINUOUS\")");
}

TEST_F(LayerDialogs, NewRefusesAnEmptyMainNameWithTheCallersMessage) {
    eval(LR"((setq *new-answer* '((1 "L002" 1 (195 0 0 1) "CONTINUOUS")
        ("LANGTEXT" "t" "" "" "m" "g" "c" "l" "" "lt" "Name missing" "Type a name")) *new-w-answer* T))");
    act(DialogAct::click(IDC_MAN_NEW));
    act(DialogAct::replaceText(IDC_ROW_MAIN_NAME, L""));
    act(DialogAct::click(IDOK));
    look([](DialogView& box) {
        EXPECT_TRUE(box.isMessageBox());
        EXPECT_EQ(box.title(), L"Name missing");
    });
    act(DialogAct::answer(L"OK"));
    act(DialogAct::keys(IDC_ROW_MAIN_NAME, L"L7"));
    act(DialogAct::click(IDOK));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))"), L"\"L7\"");
}

TEST_F(LayerDialogs, TheColorButtonCountsItsPressesPerOpening) {
    eval(L"(setq *new-answer* '((1 \"L002\" 1 (195 0 0 7) \"CONTINUOUS\")) *new-w-answer* nil)");
    act(DialogAct::click(IDC_MAN_NEW));
    for (int press = 0; press < 3; ++press) act(DialogAct::click(IDC_ROW_COLOR_BUTTON));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selectedText(IDC_ROW_COLOR_BASE + 1), L"Red");
        EXPECT_EQ(dialog.selectedText(IDC_ROW_COLOR_BASE + 2), L"Yellow");
        EXPECT_EQ(dialog.selectedText(IDC_ROW_COLOR_BASE + 3), L"Green");
    });
    act(DialogAct::click(IDCANCEL));
    act(DialogAct::click(IDC_MAN_NEW));
    act(DialogAct::click(IDC_ROW_COLOR_BUTTON));
    act(DialogAct::click(IDCANCEL));
    act(DialogAct::click(IDCANCEL));
    eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))");
    EXPECT_EQ(eval(L"(mapcar 'cadr (calls-of \"Flash\"))"), L"(1 2 3 1)");
}

TEST_F(LayerDialogs, TheDialogOpensSmallAndTheToggleTwiceKeepsItsSizeAndPosition) {
    eval(L"(setq *new-answer* '((1 \"L002\" 1 (195 0 0 7) \"CONTINUOUS\")) *new-w-answer* nil)");
    act(DialogAct::click(IDC_MAN_NEW));
    auto small = std::make_shared<int>(0);
    look([small](DialogView& dialog) {
        *small = height(dialog);
        EXPECT_FALSE(dialog.visible(IDC_ROW_SUBLAYER_GROUP));
        EXPECT_TRUE(dialog.visible(IDOK));
        EXPECT_EQ(dialog.text(IDC_ROW_TOGGLE), L"Advance >>");
    });
    act(DialogAct::click(IDC_ROW_TOGGLE));
    look([small](DialogView& dialog) {
        EXPECT_EQ(height(dialog), *small + 250);
        EXPECT_TRUE(dialog.visible(IDC_ROW_NAME_BASE + 8));
        EXPECT_FALSE(dialog.visible(IDOK));
    });
    act(DialogAct::click(IDC_ROW_TOGGLE));
    look([small](DialogView& dialog) { EXPECT_EQ(height(dialog), *small); });
    act(DialogAct::click(IDCANCEL));
    act(DialogAct::click(IDCANCEL));
    eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))");
}

constexpr const wchar_t* editCall =
    L"(Vexa-dxOrdoMnEDIT '(1 \"L001\" 1 (195 0 0 1) \"CONTINUOUS\") '(2 \"^HID\" 1 (195 0 0 2) \"HIDDEN\")"
    L" '(5 \"^PIN\" 1 (195 0 0 5) \"DASHED\") '(\"LANGTEXT\" \"Edit series\"))";

TEST_F(LayerDialogs, EditSendsTheRowsWithoutTheProposalAndReturnsNilDirectly) {
    eval(L"(setq *edit-w-answer* \"L001\")");
    act(DialogAct::click(IDC_ROW_TOGGLE));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Edit series");
        EXPECT_FALSE(dialog.enabled(IDC_ROW_HID));
        EXPECT_TRUE(dialog.enabled(IDC_ROW_DES));
        EXPECT_EQ(dialog.text(IDC_ROW_NAME_BASE + 5), L"^PIN");
        EXPECT_EQ(dialog.selectedText(IDC_ROW_LINETYPE_BASE + 5), L"DASHED");
        EXPECT_EQ(dialog.selectedText(IDC_ROW_LINETYPE_BASE + 6), L"CONTINUOUS");
    });
    act(DialogAct::click(IDC_ROW_LARGE_OK));
    EXPECT_EQ(eval(editCall), L"nil");
    EXPECT_EQ(eval(L"(car (cadr (car *calls*)))"), L"(1 \"L001\" (195 0 0 1) \"CONTINUOUS\")");
    EXPECT_EQ(eval(L"(nth 1 (cadr (car *calls*)))"), L"(2 \"^HID\" (195 0 0 2) \"HIDDEN\")");
    act(DialogAct::click(IDCANCEL));
    EXPECT_EQ(eval(editCall), L"nil");
    EXPECT_EQ(eval(L"(length *calls*)"), L"1");
}

TEST_F(LayerDialogs, AnEditAnswerOfNilLeavesTheListAndARenameReplacesExactlyTheOldEntry) {
    eval(L"(setq *edit-answer* '((1 \"A\" 1 (195 0 0 1) \"CONTINUOUS\")) *edit-w-answer* nil)");
    act(DialogAct::click(IDC_MAN_EDIT));
    act(DialogAct::click(IDOK));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.items(IDC_MAN_LIST), (std::vector<std::wstring>{L"A", L"A-01"}));
    });
    act(DialogAct::click(IDC_MAN_EDIT));
    act(DialogAct::query([this](DialogView&) { eval(L"(setq *edit-w-answer* \"Z\")"); }));
    act(DialogAct::click(IDOK));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.items(IDC_MAN_LIST), (std::vector<std::wstring>{L"A-01", L"Z"}));
        EXPECT_EQ(dialog.selectedText(IDC_MAN_LIST), L"Z");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-dxOrdoMan '(0 (2 \"A\" \"A-01\")) '(1 \"A\"))"), L"\"Z\"");
}

TEST_F(LayerDialogs, SeriesCodeRefusesAGroupWithoutSerialNumberAndSendsTheFixedCode) {
    eval(L"(setq *sn-answer* '((0 0) (1 0) (\"LANGTEXT\" \"Series\" \"g\" \"G\" \"S\" \"x\" \"No serial\" \"Set SN\")))");
    act(DialogAct::click(IDC_MAN_SERIES));
    act(DialogAct::click(IDOK));
    act(DialogAct::click(IDC_MAN_SERIES));
    act(DialogAct::replaceText(IDC_SN_GROUP_LENGTH, L"2"));
    act(DialogAct::click(IDOK));
    look([](DialogView& box) {
        EXPECT_TRUE(box.isMessageBox());
        EXPECT_EQ(box.title(), L"No serial");
    });
    act(DialogAct::answer(L"OK"));
    act(DialogAct::replaceText(IDC_SN_SERIAL_LENGTH, L"1"));
    act(DialogAct::click(IDOK));
    act(DialogAct::click(IDCANCEL));
    eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))");
    EXPECT_EQ(eval(L"(calls-of \"SN-W\")"), L"((\"SN-W\" 0 0) (\"SN-W\" 2 1))");
}

TEST_F(LayerDialogs, SeriesCodeWithoutCaptionsShowsTheResourceTextsAndAFailedCallShowsNothing) {
    eval(L"(setq *sn-answer* '((0 1) (1 3)))");
    act(DialogAct::click(IDC_MAN_SERIES));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Setup series code");
        EXPECT_EQ(dialog.text(IDC_SN_GROUP_LABEL), L"Group-Length");
        EXPECT_EQ(dialog.text(IDC_SN_SERIAL_LENGTH), L"3");
    });
    act(DialogAct::click(IDCANCEL));
    act(DialogAct::query([this](DialogView&) { eval(L"(defun c:Vexa-Layer-SN () (car 5))"); }));
    act(DialogAct::click(IDC_MAN_SERIES));
    act(DialogAct::click(IDCANCEL));
    eval(L"(Vexa-dxOrdoMan '(0 (1 \"A\")))");
    EXPECT_NE(host.commandLine().transcript().find(L"acedInvoke() failed."), std::wstring::npos);
}

}  // namespace
}  // namespace vexa::test
