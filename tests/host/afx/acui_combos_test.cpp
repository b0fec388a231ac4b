// The host's colour and linetype lists: which entries they offer and how colours are found.
#include "acad/acuicombo.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

class HostCombos : public HostTest {
protected:
    HostCombos() {
        parent = CreateWindowExW(0, L"#32770", L"parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        HostTest::TearDown();
    }
    // A drop-down list on the parent, subclassed by the framework object as DDX_Control does.
    void attach(CComboBox& combo) {
        HWND window = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 100, 120,
                                      parent, reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(++lastId)),
                                      nullptr, nullptr);
        ASSERT_TRUE(combo.SubclassWindow(window));
    }
    static std::vector<std::wstring> entries(const CComboBox& combo) {
        std::vector<std::wstring> texts;
        for (int i = 0; i < combo.GetCount(); ++i) {
            std::wstring text;
            combo.GetLBText(i, text);
            texts.push_back(text);
        }
        return texts;
    }
    static AcCmColor index(std::int16_t value) {
        AcCmColor colour;
        colour.setColorIndex(value);
        return colour;
    }

    HWND parent = nullptr;
    int lastId = 100;
};

TEST_F(HostCombos, ColourListOffersTheStandardColoursAndAddsOthersOnce) {
    CAcUiTrueColorComboBox colours;
    colours.SetUseByLayer(FALSE);
    colours.SetUseByBlock(FALSE);
    attach(colours);
    EXPECT_EQ(entries(colours),
              (std::vector<std::wstring>{L"Red", L"Yellow", L"Green", L"Cyan", L"Blue", L"Magenta", L"White"}));
    EXPECT_EQ(colours.AddColorToMRU(index(3)), 2);
    AcCmColor orange;
    orange.setRGB(255, 128, 0);
    const int added = colours.AddColorToMRU(orange);
    EXPECT_EQ(colours.AddColorToMRU(orange), added);
    EXPECT_EQ(colours.GetCount(), 8);
    EXPECT_EQ(colours.FindItemByColor(orange), added);
    colours.SetCurSel(added);
    EXPECT_TRUE(colours.GetCurrentItemColor() == orange);
    EXPECT_EQ(colours.FindItemByColor(index(9)), -1);
    colours.AddColorToMRU(index(9));
    EXPECT_EQ(entries(colours).back(), L"Color 9");
    colours.UnsubclassWindow();
}

TEST_F(HostCombos, ColourListWithByLayerAndByBlockStartsWithThem) {
    CAcUiTrueColorComboBox colours;
    attach(colours);
    EXPECT_EQ(entries(colours).front(), L"ByLayer");
    EXPECT_EQ(entries(colours)[1], L"ByBlock");
    // Nothing selected reads as by layer.
    EXPECT_TRUE(colours.GetCurrentItemColor().isByLayer());
    colours.UnsubclassWindow();
}

TEST_F(HostCombos, LinetypeListFollowsTheCurrentDrawingsTable) {
    CAcUiLineTypeComboBox full;
    attach(full);
    const std::vector<std::wstring> offered = entries(full);
    ASSERT_GE(offered.size(), 4u);
    EXPECT_EQ(offered[0], L"BYLAYER");
    EXPECT_EQ(offered[1], L"BYBLOCK");
    EXPECT_EQ(offered[2], L"CONTINUOUS");
    EXPECT_EQ(offered.back(), L"Other...");
    full.UnsubclassWindow();

    sim::db::Database& database = host.documents().current()->database();
    ASSERT_EQ(database.renameLinetype(database.linetypes().find(L"DOT")->id, L"BORDER"), sim::db::Refusal::None);
    CAcUiLineTypeComboBox bare;
    bare.SetUseByLayer(FALSE);
    bare.SetUseByBlock(FALSE);
    bare.SetUseOther(FALSE);
    attach(bare);
    const std::vector<std::wstring> drawing = entries(bare);
    EXPECT_EQ(drawing.front(), L"CONTINUOUS");
    EXPECT_EQ(drawing.back(), L"BORDER");
    EXPECT_EQ(drawing.size(), offered.size() - 3);
    bare.UnsubclassWindow();
}

}  // namespace
}  // namespace vexa::test
