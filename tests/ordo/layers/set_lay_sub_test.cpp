// "Vexa-SetLaySub" and its "New Sub-Layer" dialog, driven by the scripted user.
#include "ordo/layers/lay_sub_new_resource.h"
#include "sim/user/dialog_act.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

using sim::win::DialogAct;
using sim::win::DialogView;

constexpr const wchar_t* kCaptions =
    L"(\"New\" \"Destination\" \"Kind\" \"Main\" \"HID\" \"DES\" \"Other\" \"Draw\" \"Color\" \"LineType\" \"OK\" \"Cancel\")";

// The names come unsorted; the destination "b" is matched by prefix, case ignored.
std::wstring call(const std::wstring& colour = L"(195 0 0 1)", const std::wstring& linetype = L"\"CONT\"") {
    return L"(Vexa-SetLaySub '(3 (\"C\" \"A\" \"B\") \"b\" " + colour + L" " + linetype + L" " + kCaptions + L"))";
}

class SetLaySubTest : public HostTest {
protected:
    void SetUp() override { load({"VexaOrdo"}); }
};

TEST_F(SetLaySubTest, OpensOnTheGivenDestinationColourAndLinetype) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"New");
        EXPECT_EQ(dialog.items(IDC_SUB_DESTINATION), (std::vector<std::wstring>{L"A", L"B", L"C"}));
        EXPECT_EQ(dialog.selectedText(IDC_SUB_DESTINATION), L"B");
        EXPECT_EQ(dialog.checked(IDC_SUB_MAIN), BST_CHECKED);
        EXPECT_EQ(dialog.selectedText(IDC_SUB_COLOR), L"Red");
        EXPECT_EQ(dialog.selectedText(IDC_SUB_LINETYPE), L"CONTINUOUS");
        EXPECT_EQ(dialog.text(IDC_SUB_OTHER), L"Other");
        EXPECT_EQ(dialog.text(IDCANCEL), L"Cancel");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(call()), L"(\"B\" 0 \"\" (195 0 0 1) \"CONTINUOUS\")");
}

TEST_F(SetLaySubTest, OtherWithASuffixReturnsKindThreeAndTheSuffix) {
    act(DialogAct::click(IDC_SUB_OTHER));
    act(DialogAct::keys(IDC_SUB_OTHER_SUFFIX, L"WELD"));
    act(DialogAct::select(IDC_SUB_COLOR, L"Blue"));
    act(DialogAct::select(IDC_SUB_LINETYPE, L"CONTINUOUS"));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(call()), L"(\"B\" 3 \"WELD\" (195 0 0 5) \"CONTINUOUS\")");
}

TEST_F(SetLaySubTest, ChoosingAKindResetsColourAndLinetype) {
    act(DialogAct::select(IDC_SUB_COLOR, L"Green"));
    act(DialogAct::click(IDC_SUB_HID));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_SUB_COLOR), 0);
        EXPECT_EQ(dialog.selectedText(IDC_SUB_LINETYPE), L"BYLAYER");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(call()), L"(\"B\" 1 \"\" (192 0 0 0) \"BYLAYER\")");
}

TEST_F(SetLaySubTest, ATrueColourJoinsTheRecentColoursAndOtherMethodsTakeTheDefault) {
    look([](DialogView& dialog) { EXPECT_EQ(dialog.selectedText(IDC_SUB_COLOR), L"10,20,30"); });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(call(L"(194 10 20 30)")), L"(\"B\" 0 \"\" (194 10 20 30) \"CONTINUOUS\")");
    look([](DialogView& dialog) { EXPECT_EQ(dialog.selectedText(IDC_SUB_COLOR), L"ByLayer"); });
    act(DialogAct::click(IDCANCEL));
    EXPECT_EQ(eval(call(L"(7 1 2 3)")), L"nil");
}

// Nothing is shown (a dialog would find no act and fail the audit) and the answer is nil.
TEST_F(SetLaySubTest, AListShorterThanItsFormShowsNothing) {
    const std::wstring fewerNames = L"(Vexa-SetLaySub '(4 (\"A\" \"B\" \"C\") \"B\" (195 0 0 1) \"C\" " + std::wstring(kCaptions) + L"))";
    const std::wstring shortColour = L"(Vexa-SetLaySub '(1 (\"A\") \"A\" (195 0 1) \"C\" " + std::wstring(kCaptions) + L"))";
    const std::wstring elevenCaptions =
        L"(Vexa-SetLaySub '(1 (\"A\") \"A\" (195 0 0 1) \"C\" (\"a\" \"b\" \"c\" \"d\" \"e\" \"f\" \"g\" \"h\" \"i\" \"j\" \"k\")))";
    for (const std::wstring& source :
         {std::wstring(L"(Vexa-SetLaySub)"), std::wstring(L"(Vexa-SetLaySub nil)"), std::wstring(L"(Vexa-SetLaySub '(1 (\"A\") \"A\"))"),
          fewerNames, shortColour, elevenCaptions, std::wstring(L"(Vexa-SetLaySub 3 '(\"A\"))")}) {
        EXPECT_EQ(eval(source), L"nil") << narrow(source);
    }
}

}  // namespace
}  // namespace vexa::test
