// The frame set-up and initial scale dialogs in the simulated host: the scale computed by the
// product's function, frame objects selected and attributes linked to texts picked in the drawing.
#include "ordo/tools/resource_chamfer_frame.h"
#include "support/ordo_dialog_fixture.h"

namespace {

using vexa::sim::PromptAnswer;
using vexa::sim::ViewPosition;
using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

// Captions 0 to 28 of the frame set-up, as the product passes them.
constexpr const wchar_t* kCaptions =
    L"\"Frame Setup\" \"Paper Size\" \"Other\" \"Frame Objects\" \"Select frame\" \"Objects:\" \"found\" \"Scale\" "
    L"\"Automatic\" \"Scale:\" \"Frame Attributes\" \"Attribute\" \"Text\" \"Handle\" \"Add\" \"Remove\" \"Link...\" "
    L"\"Select frame objects: \" \"Remove frame objects: \" \"Pick a text: \" \"Not a text.\" \"Already linked to \" "
    L"\".\" \"Frame Setup\" \"OK\" \"Cancel\" \"New Attribute\" \"Name:\" \"OK\"";

class FrameSetupDialogs : public vexa::test::OrdoDialogTest {
protected:
    FrameSetupDialogs() {
        // The product's scale function stands in as one that records its calls.
        eval(L"(defun C:Vexa_CalPScale (paper width height objects) "
             L"(setq *scale-calls* (cons (list paper width height objects) *scale-calls*)) \"1:2\")");
    }

    static std::wstring frameSetup(const std::wstring& rows, const std::wstring& objects = L"'(0)") {
        return L"(Vexa-FrameAtt-1 '(" + rows + L" " + kCaptions + L") " + objects + L")";
    }
    void pick(double x, double y) { host.user().queue(PromptAnswer::pick(ViewPosition{false, x, y, 0})); }
    std::wstring handleOf(const std::wstring& entity) { return eval(L"(cdr (assoc 5 (entget " + entity + L")))"); }
};

TEST_F(FrameSetupDialogs, OpensOnA4WithTheComputedScaleAndNoFrameObjects) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.checked(IDC_FRAME_A4), BST_CHECKED);
        EXPECT_EQ(dialog.text(IDC_FRAME_A3), L"A3 (420 x 297)");
        EXPECT_EQ(dialog.text(IDC_FRAME_WIDTH), L"297");
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_WIDTH));
        EXPECT_EQ(dialog.text(IDC_FRAME_COUNT), L"Objects: 0 found");
        EXPECT_EQ(dialog.checked(IDC_FRAME_AUTOMATIC), BST_CHECKED);
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_SCALE));
        EXPECT_EQ(dialog.text(IDC_FRAME_SCALE), L"1:2");
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_REMOVE));
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_LINK));
        EXPECT_NE(SendMessageW(dialog.control(IDC_FRAME_SELECT), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    });
    click(IDOK);
    EXPECT_EQ(eval(frameSetup(L"0 0")), L"(\"A4\" \"297\" \"210\" \"1:2\" nil nil)");
    EXPECT_EQ(eval(L"*scale-calls*"), L"((\"A4\" \"297\" \"210\" nil))");
}

TEST_F(FrameSetupDialogs, FixedRowsKeepTheirNamesAndCannotBeRemoved) {
    act(DialogAct::selectIndex(IDC_FRAME_LIST, 1));
    look([](DialogView& dialog) {
        EXPECT_TRUE(dialog.enabled(IDC_FRAME_LINK));
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_REMOVE));
    });
    act(DialogAct::editLabel(IDC_FRAME_LIST, 1, L"RENAMED"));
    act(DialogAct::editLabel(IDC_FRAME_LIST, 2, L"MAKER"));
    act(DialogAct::selectIndex(IDC_FRAME_LIST, 2));
    look([](DialogView& dialog) { EXPECT_TRUE(dialog.enabled(IDC_FRAME_REMOVE)); });
    click(IDC_FRAME_REMOVE);
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_REMOVE));
        EXPECT_FALSE(dialog.enabled(IDC_FRAME_LINK));
    });
    click(IDOK);
    EXPECT_EQ(eval(frameSetup(L"3 2 \"NAME\" \"PLATE\" \"2A\" \"SCALE\" \"\" \"\" \"DRAWN\" \"KT\" \"3B\"")),
              L"(\"A4\" \"297\" \"210\" \"1:2\" nil ((\"NAME\" \"PLATE\" \"2A\") (\"SCALE\" \"\" \"\")))");
}

TEST_F(FrameSetupDialogs, EnterInTheWidthBoxRecomputesWithoutClosing) {
    click(IDC_FRAME_OTHER);
    act(DialogAct::replaceText(IDC_FRAME_WIDTH, L"500-"));
    act(DialogAct::keys(IDC_FRAME_WIDTH, L"{ENTER}"));
    look([](DialogView& dialog) {
        EXPECT_TRUE(dialog.enabled(IDC_FRAME_WIDTH));
        EXPECT_EQ(dialog.text(IDC_FRAME_WIDTH), L"500");
    });
    click(IDOK);
    EXPECT_EQ(eval(frameSetup(L"0 0")), L"(\"Other\" \"500\" \"210\" \"1:2\" nil nil)");
    // Opening, "Other", Enter in the box, and the box losing the focus to OK.
    EXPECT_EQ(eval(L"(reverse *scale-calls*)"),
              L"((\"A4\" \"297\" \"210\" nil) (\"Other\" \"297\" \"210\" nil) (\"Other\" \"500\" \"210\" nil) "
              L"(\"Other\" \"500\" \"210\" nil))");
}

TEST_F(FrameSetupDialogs, ATypedScaleOrAFailingScaleFunction) {
    eval(L"(defun C:Vexa_CalPScale (paper width height objects) (/ 1 0))");
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_FRAME_SCALE), L"###"); });
    act(DialogAct::uncheck(IDC_FRAME_AUTOMATIC));
    act(DialogAct::replaceText(IDC_FRAME_SCALE, L"2.5x"));
    click(IDOK);
    EXPECT_EQ(eval(frameSetup(L"0 0")), L"(\"A4\" \"297\" \"210\" \"2.5\" nil nil)");
    EXPECT_EQ(host.commandLine().transcript().find(L"acedInvoke() failed."), std::wstring::npos);
}

TEST_F(FrameSetupDialogs, FrameObjectsSelectedWithTheTwoPrompts) {
    eval(L"(entmake '((0 . \"LINE\") (10 10.0 10.0 0.0) (11 50.0 10.0 0.0)))");
    eval(L"(setq edge (entlast))");
    click(IDC_FRAME_SELECT);
    pick(30, 10);
    pressEnter();
    look([](DialogView& dialog) {
        EXPECT_TRUE(IsWindowVisible(dialog.handle()));
        EXPECT_EQ(dialog.text(IDC_FRAME_COUNT), L"Objects: 1 found");
    });
    // A cancelled selection keeps the objects.
    click(IDC_FRAME_SELECT);
    pressEscape();
    click(IDOK);
    EXPECT_EQ(eval(L"(equal (nth 4 " + frameSetup(L"0 0") + L") (list edge))"), L"T");
    EXPECT_EQ(eval(L"(equal (car *scale-calls*) (list \"A4\" \"297\" \"210\" (list edge)))"), L"T");
    const auto& calls = host.editor().selectionCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().mode, L":$");
    EXPECT_EQ(calls.back().first, L"prompts \"Select frame objects: \" \"Remove frame objects: \"");
}

TEST_F(FrameSetupDialogs, LinksTakeTextsAndDefinitionsNeverAttributesOrDuplicates) {
    eval(L"(entmake '((0 . \"TEXT\") (10 10.0 10.0 0.0) (40 . 2.0) (1 . \"DRAWING-1\")))");
    eval(L"(setq title (entlast))");
    eval(L"(entmake '((0 . \"ATTDEF\") (10 10.0 30.0 0.0) (40 . 2.0) (1 . \"S45C\") (2 . \"material\") (3 . \"Material\")))");
    eval(L"(setq definition (entlast))");
    eval(L"(entmake '((0 . \"INSERT\") (2 . \"TITLE\") (10 60.0 60.0 0.0)))");
    eval(L"(entmake '((0 . \"ATTRIB\") (10 60.0 50.0 0.0) (40 . 2.0) (1 . \"KT\") (2 . \"DRAWN\")))");
    eval(L"(entmake '((0 . \"MTEXT\") (10 10.0 80.0 0.0) (40 . 2.0) (1 . \"Notes\")))");
    act(DialogAct::selectIndex(IDC_FRAME_LIST, 0));
    click(IDC_FRAME_LINK);
    pick(60, 50);   // the attribute of the block reference
    pick(120, 5);   // nothing
    pick(10, 10);   // the text
    act(DialogAct::selectIndex(IDC_FRAME_LIST, 1));
    click(IDC_FRAME_LINK);
    pick(10, 10);  // already linked to NAME
    look([this](DialogView& box) {
        EXPECT_TRUE(box.isMessageBox());
        EXPECT_EQ(box.title(), L"Frame Setup");
        EXPECT_NE(box.dump().find(L"Already linked to NAME."), std::wstring::npos);
        EXPECT_EQ(host.windows().find(box.handle())->messageBoxType & MB_ICONMASK, MB_ICONERROR);
    });
    act(DialogAct::answer(IDOK));
    pick(10, 30);  // the definition
    act(DialogAct::selectIndex(IDC_FRAME_LIST, 2));
    click(IDC_FRAME_LINK);
    pick(10, 80);  // the multiline text
    act(DialogAct::selectIndex(IDC_FRAME_LIST, 3));
    click(IDC_FRAME_LINK);
    pressEnter();  // an empty response clears the link
    click(IDOK);
    const std::wstring result = eval(L"(last " + frameSetup(L"4 0 \"NAME\" \"\" \"\" \"MAT\" \"\" \"\" \"NOTE\" \"\" \"\" "
                                     L"\"OLD\" \"old\" \"FF\"") + L")");
    const std::wstring title = handleOf(L"title");
    const std::wstring definition = handleOf(L"definition");
    EXPECT_EQ(result, L"((\"NAME\" \"DRAWING-1\" " + title + L") (\"MAT\" \"MATERIAL\" " + definition +
                          L") (\"NOTE\" \"Notes\" " + handleOf(L"(entlast)") + L") (\"OLD\" \"\" \"\"))");
    const std::wstring printed = host.commandLine().transcript();
    EXPECT_NE(printed.find(L"Pick a text: \nNot a text.\nPick a text: \nNot a text.\nPick a text: "), std::wstring::npos)
        << vexa::test::narrow(printed);
}

TEST_F(FrameSetupDialogs, AddTakesATrimmedNameAndLinksAtOnce) {
    click(IDC_FRAME_ADD);
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"New Attribute");
        EXPECT_FALSE(dialog.enabled(IDOK));
        EXPECT_FALSE(dialog.visible(IDCANCEL));
    });
    act(DialogAct::keys(IDC_ADD_NAME, L"  \t"));
    look([](DialogView& dialog) { EXPECT_FALSE(dialog.enabled(IDOK)); });
    act(DialogAct::keys(IDC_ADD_NAME, L"DATE "));
    click(IDOK);
    pressEscape();  // the link step of the new row ends without a change
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_FRAME_LIST), 0);
        EXPECT_TRUE(dialog.focused(IDC_FRAME_LIST));
    });
    click(IDOK);
    EXPECT_EQ(eval(L"(last " + frameSetup(L"0 0") + L")"), L"((\"DATE\" \"\" \"\"))");
}

TEST_F(FrameSetupDialogs, ShortListsOrBadCountsShowNothing) {
    EXPECT_EQ(eval(L"(Vexa-FrameAtt-1 '(0 0 \"only\" \"a few\"))"), L"nil");
    EXPECT_EQ(eval(frameSetup(L"1 0 \"NAME\" \"\"")), L"nil");
    EXPECT_EQ(eval(frameSetup(L"-1 0")), L"nil");
    EXPECT_EQ(eval(frameSetup(L"0 0", L"'(2)")), L"nil");
    EXPECT_EQ(eval(frameSetup(L"0 0", L"'(1 \"not a name\")")), L"nil");
    EXPECT_EQ(eval(L"(Vexa-FrameAtt-1 '(0 0 " + std::wstring(kCaptions) + L"))"), L"nil");
}

constexpr const wchar_t* kInitCaptions =
    L"'(\"LANGTEXT\" \"Initial Setup\" \"Set Scale\" \"Scale :\" \"Layer Series code\" \"Group-Length\" "
    L"\"SN-Length\" \"Lengths of the series code.\" \"Scale\" \"The scale can't be 0.\" \"OK\" \"Help\")";

TEST_F(FrameSetupDialogs, InitialSetupRefusesAZeroScale) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_INIT_SCALE), L"0.5");
        EXPECT_TRUE(dialog.focused(IDC_INIT_SCALE));
        EXPECT_EQ(dialog.text(IDC_INIT_GROUP_LENGTH), L"2");
        EXPECT_EQ(dialog.text(IDC_INIT_SN_LENGTH), L"3");
    });
    act(DialogAct::replaceText(IDC_INIT_SCALE, L"0.0"));
    click(IDOK);
    look([this](DialogView& box) {
        EXPECT_TRUE(box.isMessageBox());
        EXPECT_EQ(box.title(), L"Scale");
        EXPECT_NE(box.dump().find(L"The scale can't be 0."), std::wstring::npos);
        EXPECT_EQ(host.windows().find(box.handle())->messageBoxType & MB_ICONMASK, MB_ICONERROR);
    });
    act(DialogAct::answer(IDOK));
    act(DialogAct::replaceText(IDC_INIT_SCALE, L"1"));
    click(IDC_INIT_HELP);
    click(IDOK);
    EXPECT_EQ(eval(std::wstring(L"(Vexa-dxSetScale '(0 0.5) '(3 \"vexa.chm\") '(4 \"setup\") ") + kInitCaptions + L")"),
              L"(\"1\" 2 3)");
    ASSERT_EQ(host.helpRequests().size(), 1u);
    EXPECT_EQ(host.helpRequests()[0].file, L"vexa.chm");
    EXPECT_EQ(host.helpRequests()[0].topic, L"setup");
    EXPECT_EQ(eval(L"(Vexa-dxSetScale)"), L"nil");
}

}  // namespace
