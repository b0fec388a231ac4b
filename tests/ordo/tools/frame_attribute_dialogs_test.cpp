// The title-block attribute form and the list editor in the simulated host.
#include "ordo/tools/resource_chamfer_frame.h"
#include "support/ordo_dialog_fixture.h"

namespace {

using FrameAttributeDialogs = vexa::test::OrdoDialogTest;
using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

TEST_F(FrameAttributeDialogs, ItemsFillTheirSlotsAndComeBackInSlotOrder) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_FRM_NAME), L"PLATE");
        EXPECT_EQ(dialog.text(IDC_FRM_MATERIAL), L"S45C");
        EXPECT_EQ(dialog.text(IDC_FRM_SCALE), L"1:2");
        EXPECT_EQ(dialog.text(IDC_FRM_RA), L"");
        EXPECT_EQ(dialog.title(), L"Title block");
        EXPECT_EQ(dialog.text(IDC_FRM_NAME_LABEL), L"Name");
        EXPECT_EQ(dialog.text(IDC_FRM_MATERIAL_LABEL), L"Material");
    });
    // The "Scale" box can't be typed into.
    act(DialogAct::keys(IDC_FRM_SCALE, L"9"));
    act(DialogAct::keys(IDC_FRM_DRAWN, L"KT"));
    click(IDOK);
    // Slot 18 is dropped, a later item for slot 3 wins, and nothing after the captions is read.
    EXPECT_EQ(eval(L"(Vexa-dxFrmAtt '(9 \"PLATE\") '(3 \"SS400\") '(3 \"S45C\") '(6 \"1:2\") '(18 \"lost\") "
                   L"'(\"LANGTEXT\" \"Title block\" \"Attributes\" \"RA\" \"Tolerance\" \"Treatment\" \"Material\" "
                   L"\"Specification\" \"Amount\" \"Scale\" \"Date\" \"Version\" \"Name\") '(0 \"after\"))"),
              L"(\"\" \"\" \"\" \"S45C\" \"\" \"\" \"1:2\" \"\" \"\" \"PLATE\" \"\" \"\" \"\" \"KT\" \"\" \"\" \"\" \"\")");
}

TEST_F(FrameAttributeDialogs, NoItemsGiveEighteenEmptyStrings) {
    click(IDOK);
    EXPECT_EQ(eval(L"(length (Vexa-dxFrmAtt))"), L"18");
}

constexpr const wchar_t* kThreeRows =
    L"(Vexa-FrameAtt-2 '(3 1 \"SCALE\" \"1:1\" \"NAME\" \"PLATE\" \"DRAWN\" \"KT\" "
    L"\"Attributes\" \"Name\" \"Value\" \"Name:\" \"Value: \" \"OK\" \"Cancel\"))";

TEST_F(FrameAttributeDialogs, ReadOnlyRowsAndEnterWrappingToTheFirstRow) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Attributes");
        EXPECT_EQ(dialog.items(IDC_EDIT_ATT_LIST),
                  (std::vector<std::wstring>{L"SCALE | 1:1", L"NAME | PLATE", L"DRAWN | KT"}));
        EXPECT_EQ(dialog.selection(IDC_EDIT_ATT_LIST), -1);
    });
    act(DialogAct::selectIndex(IDC_EDIT_ATT_LIST, 0));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.text(IDC_EDIT_ATT_NAME_LABEL), L"Name:  SCALE");
        EXPECT_EQ(dialog.text(IDC_EDIT_ATT_VALUE), L"1:1");
        EXPECT_TRUE(GetWindowLongPtrW(dialog.control(IDC_EDIT_ATT_VALUE), GWL_STYLE) & ES_READONLY);
    });
    act(DialogAct::keys(IDC_EDIT_ATT_VALUE, L"5"));
    act(DialogAct::selectIndex(IDC_EDIT_ATT_LIST, 2));
    // Typing changes the row in the list at once.
    act(DialogAct::keys(IDC_EDIT_ATT_VALUE, L"M"));
    look([](DialogView& dialog) {
        EXPECT_FALSE(GetWindowLongPtrW(dialog.control(IDC_EDIT_ATT_VALUE), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(dialog.items(IDC_EDIT_ATT_LIST)[2], L"DRAWN | KTM");
    });
    act(DialogAct::keys(IDC_EDIT_ATT_VALUE, L"{ENTER}"));
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.selection(IDC_EDIT_ATT_LIST), 0);
        EXPECT_EQ(dialog.text(IDC_EDIT_ATT_VALUE), L"1:1");
    });
    act(DialogAct::keys(IDC_EDIT_ATT_VALUE, L"{ENTER}"));
    act(DialogAct::keys(IDC_EDIT_ATT_VALUE, L"{END}!"));
    click(IDOK);
    EXPECT_EQ(eval(kThreeRows), L"((\"SCALE\" \"1:1\") (\"NAME\" \"PLATE!\") (\"DRAWN\" \"KTM\"))");
}

TEST_F(FrameAttributeDialogs, ShortOrBadCountsShowNothing) {
    for (const wchar_t* call : {
             L"(Vexa-FrameAtt-2 '(2 0 \"A\" \"1\" \"B\" \"2\" \"t\" \"n\" \"v\" \"p\" \"l\" \"OK\"))",
             L"(Vexa-FrameAtt-2 '(-1 0 \"t\" \"n\" \"v\" \"p\" \"l\" \"OK\" \"Cancel\"))",
             L"(Vexa-FrameAtt-2 '(1 -2 \"A\" \"1\" \"t\" \"n\" \"v\" \"p\" \"l\" \"OK\" \"Cancel\"))",
             L"(Vexa-FrameAtt-2 '(1.0 0 \"A\" \"1\" \"t\" \"n\" \"v\" \"p\" \"l\" \"OK\" \"Cancel\"))",
             L"(Vexa-FrameAtt-2 '(1 0 \"A\" 5 \"t\" \"n\" \"v\" \"p\" \"l\" \"OK\" \"Cancel\"))",
         }) {
        EXPECT_EQ(eval(call), L"nil") << vexa::test::narrow(call);
    }
}

}  // namespace
