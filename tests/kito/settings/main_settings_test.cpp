// The main settings dialog: the layer environment previewed live and put back at Cancel, the
// placeholder entries, the shared layer list and the colours the property pages hand back.
#include "kito/settings/settings_request.h"
#include "kito/settings/settings_resource.h"
#include "sim/user/dialog_act.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

using sim::win::DialogAct;
using sim::win::DialogView;

constexpr const wchar_t* texts =
    L" \"Settings\" \"Layers\" \"Dims\" \"Centres\" \"Hidden\" \"OK\" \"Cancel\" \"Fading\" \"Opacity\" \"Symbol\""
    L" nil \"Note 1\" nil nil \"Layer\" \"Colour\" \"Linetype\"";

// A call with the given words and names, symbol list and three page lists.
std::wstring call(std::wstring_view words, std::wstring_view pages = L"'(nil nil nil) '(nil nil nil) '(nil nil nil)",
                  std::wstring_view symbols = L"'(nil (\"^\" \"~\"))", std::wstring_view extra = L"") {
    return L"(Vexa-mainSettings '" + std::wstring(words) + L" " + std::wstring(symbols) + L" " + std::wstring(pages) +
           texts + L" " + std::wstring(extra) + L")";
}

constexpr const wchar_t* defaultWords = L"(\"Default\" \"ByLayer\" \"Sub\" \"^\" (\"M001\" \"M002\"))";

class MainSettingsTest : public HostTest {
protected:
    MainSettingsTest() { load({"VexaKito"}); }
    void act(DialogAct act) { host.user().queue(std::move(act)); }
    void look(std::function<void(DialogView&)> check) { act(DialogAct::query(std::move(check))); }
    std::wstring fading() { return eval(L"(getvar \"LayLockFadeCTL\")"); }
};

TEST_F(MainSettingsTest, FadingOffIsShownAsItsAmountAndLeftAloneUnlessTouched) {
    eval(L"(setvar \"LayLockFadeCTL\" -40)");
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Settings");
        EXPECT_EQ(dialog.text(IDC_SYM_FADING_BOX), L"40");
        EXPECT_EQ(dialog.text(IDC_SYM_OPACITY_BOX), L"50");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(cadr " + call(defaultWords) + L")"), L"0");
    EXPECT_EQ(fading(), L"-40");

    act(DialogAct::replaceText(IDC_SYM_FADING_BOX, L"40"));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(cadr " + call(defaultWords) + L")"), L"1");
    EXPECT_EQ(fading(), L"40");
}

TEST_F(MainSettingsTest, CancelPutsBackTheSignedFadingAndTheOpacity) {
    eval(L"(dictadd (cdr (assoc -1 (dictsearch (namedobjdict) \"ACAD_MATERIAL\"))) \"Vexa-JELLYORDO\""
         L" (entmakex '((0 . \"MATERIAL\") (1 . \"Vexa-JELLYORDO\") (140 . 0.25))))");
    eval(L"(setvar \"LayLockFadeCTL\" -40)");
    act(DialogAct::drag(IDC_SYM_FADING_SLIDER, {70}));
    look([this](DialogView&) { EXPECT_EQ(fading(), L"70"); });
    act(DialogAct::drag(IDC_SYM_OPACITY_SLIDER, {90}));
    act(DialogAct::click(IDCANCEL));
    EXPECT_EQ(eval(call(defaultWords)), L"(nil 1)");
    EXPECT_EQ(fading(), L"-40");
    EXPECT_EQ(eval(L"(cdr (assoc 140 (dictsearch (cdr (assoc -1 (dictsearch (namedobjdict) \"ACAD_MATERIAL\")))"
                   L" \"Vexa-JELLYORDO\")))"),
              L"0.25");
    // The fading alone redraws nothing: one REDRAW for 90, one for the way back to 25.
    EXPECT_EQ(host.redrawCount(), 2);
}

TEST_F(MainSettingsTest, TheAEntryReturnsEmptyAndAGivenTrueColourComesBackUnchanged) {
    act(DialogAct::selectTab(IDC_SETTINGS_TABS, 1));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selectedText(IDC_PROP_LAYER), L"M001");
        EXPECT_EQ(dialog.selectedText(IDC_PROP_COLOR), L"10,20,30");
        EXPECT_TRUE(dialog.visible(IDC_PROP_NOTE));
        EXPECT_EQ(dialog.text(IDC_PROP_NOTE), L"Note 1");
    });
    act(DialogAct::select(IDC_PROP_LAYER, L"<Default>"));
    act(DialogAct::selectTab(IDC_SETTINGS_TABS, 2));
    look([](DialogView& dialog) { EXPECT_FALSE(dialog.visible(IDC_PROP_NOTE)); });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(cadr (car " +
                   call(defaultWords, L"'(\"M001\" (194 0 10 20 30) \"HIDDEN\") '(nil (-1) nil) '(nil nil nil)") +
                   L"))"),
              L"(\"\" (194 65535 10 20 30 \"\" \"\") \"HIDDEN\")");
}

TEST_F(MainSettingsTest, PlaceholdersIndexColoursAndTheDropDownRule) {
    act(DialogAct::select(IDC_SETTINGS_TABS, L"Hidden"));
    act(DialogAct::dropDown(IDC_PROP_COLOR));
    act(DialogAct::dropDown(IDC_PROP_LAYER));
    act(DialogAct::click(IDOK));
    const std::wstring pages = eval(
        L"(cdr (car " + call(defaultWords, L"'(\"m00\" (195 5) \"cent\") '(nil (-1) nil) '(nil nil nil)", L"'(\"~\" (\"^\"))") +
        L"))");
    EXPECT_EQ(pages, L"((\"M001\" (195 5 0 0 5 \"\" \"\") \"CENTER\") (\"\" (-1 0 0 0 0 \"\" \"\") \"\")"
                     L" (\"\" (0 0 0 0 0 \"\" \"\") \"\"))");
}

TEST_F(MainSettingsTest, WithoutAWordNothingIsSelectedUntilTheUserDropsAList) {
    act(DialogAct::selectTab(IDC_SETTINGS_TABS, 3));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_PROP_LAYER), -1);
        EXPECT_EQ(dialog.items(IDC_PROP_LAYER).front(), L"<ByLayer>");
        EXPECT_EQ(dialog.selection(IDC_PROP_COLOR), -1);
    });
    act(DialogAct::dropDown(IDC_PROP_LINETYPE));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(car " + call(L"(nil \"ByLayer\" \"Sub\" nil (\"M001\"))") + L")"),
              L"((\"\" 50 50) (\"\" (0 0 0 0 0 \"\" \"\") \"\") (\"\" (0 0 0 0 0 \"\" \"\") \"\")"
              L" (\"\" (0 0 0 0 0 \"\" \"\") \"BYLAYER\"))");
}

TEST_F(MainSettingsTest, MalformedCallsShowNothingAndReturnNil) {
    EXPECT_EQ(eval(call(L"\"words\"")), L"nil");
    EXPECT_EQ(eval(call(L"(\"A\" \"B\" \"C\" \"^\" \"names\")")), L"nil");
    EXPECT_EQ(eval(call(defaultWords, L"'(nil nil nil) 5 '(nil nil nil)")), L"nil");
    EXPECT_EQ(eval(L"(Vexa-mainSettings '(\"A\" \"B\" \"C\" \"^\" nil) '(nil nil) nil nil nil \"Title\")"), L"nil");
    EXPECT_EQ(eval(call(L"(\"A\" 7 \"C\" \"^\" nil)")), L"nil");
}

TEST(SharedLayerEntries, EachSuffixOnceCaseIgnoredAndNoneForANameThatBeginsWithTheSymbol) {
    kito::SettingsRequest request;
    request.fixedChoice = L"B";
    request.sublayer = L"S";
    request.symbolMark = L"^";
    request.layerNames = {L"M^HID", L"N^hid", L"^X", L"P", L"Q^Hid^2", L"R^DES"};
    EXPECT_EQ(kito::sharedLayerEntries(request),
              (std::vector<std::wstring>{L"<B>", L"<S>", L"<S^HID>", L"<S^Hid^2>", L"<S^DES>", L"M^HID", L"N^hid", L"^X",
                                         L"P", L"Q^Hid^2", L"R^DES"}));
    request.notGiven = L"A";
    request.symbolMark.clear();
    EXPECT_EQ(kito::sharedLayerEntries(request).front(), L"<A>");
    EXPECT_EQ(kito::sharedLayerEntries(request).size(), 9u);
}

}  // namespace
}  // namespace vexa::test
