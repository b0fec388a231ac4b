// The layer tooltip: its text for the objects under the cursor, and when it shows nothing.
#include "acad/dbmain.h"
#include "support/monitor_fixture.h"
#include "ordo/layers/sel_lay_text.h"

namespace vexa::test {
namespace {

using ordo::layerTooltipText;

class LayerTooltipTest : public MonitorTest {
protected:
    void SetUp() override {
        MonitorTest::SetUp();
        EXPECT_EQ(eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \")"), L"nil");
    }
    // A line through the origin, where the cursor goes.
    sim::db::ObjectId crossing(const std::wstring& layerName) { return line(layerName, -5.0, -1.0, 5.0, 1.0); }
    std::wstring tooltipAtOrigin() { return moveTo(0.0, 0.0).tooltip; }
};

TEST_F(LayerTooltipTest, NamesTheOneLayerAfterTheOneLayerText) {
    crossing(L"A");
    EXPECT_EQ(tooltipAtOrigin(), L"Layer: A");
}

TEST_F(LayerTooltipTest, CountsSeveralLayersAndNamesEachOnceInOrder) {
    crossing(L"A");
    crossing(L"B");
    crossing(L"A");
    EXPECT_EQ(tooltipAtOrigin(), L"2 layers: A, B");
}

TEST_F(LayerTooltipTest, ShowsNothingAwayFromObjects) {
    crossing(L"A");
    const sim::monitors::CursorFrame& frame = moveTo(30.0, 30.0);
    EXPECT_TRUE(frame.picked.empty());
    EXPECT_EQ(frame.tooltip, L"");
}

TEST_F(LayerTooltipTest, LongNamesAreCutAtTheBudget) {
    const std::wstring thirty(30, L'M');
    const std::wstring forty(40, L'S');
    crossing(thirty);
    crossing(forty);
    EXPECT_EQ(tooltipAtOrigin(), L"2 layers: " + thirty + L", " + forty.substr(0, 18) + L"...");
}

// An object another command holds open for write cannot be read; neither can its layer's record.
TEST_F(LayerTooltipTest, ObjectsThatCannotBeOpenedArePassedOver) {
    const sim::db::ObjectId held = crossing(L"A");
    AcDbObject* open = nullptr;
    ASSERT_EQ(acdbOpenObject(open, drawing().database().objectId(held), AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(tooltipAtOrigin(), L"0 layers: ");
    crossing(L"B");
    EXPECT_EQ(tooltipAtOrigin(), L"Layer: B");
    open->close();

    AcDbObject* record = nullptr;
    ASSERT_EQ(acdbOpenObject(record, drawing().database().objectId(layer(L"A")), AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(tooltipAtOrigin(), L"2 layers: B");
    record->close();
}

TEST_F(LayerTooltipTest, AnObjectTheHostRefusesToOpenIsPassedOver) {
    crossing(L"A");
    crossing(L"B");
    host.faults().arm(L"acdbOpenObject");
    EXPECT_EQ(tooltipAtOrigin(), L"Layer: B");
    // The refusal of a layer record's open drops that layer's name.
    host.faults().arm(L"acdbOpenObject", 3);
    EXPECT_EQ(tooltipAtOrigin(), L"2 layers: B");
    EXPECT_TRUE(host.faults().pending().empty());
}

TEST_F(LayerTooltipTest, IsAddedToTheHostsTooltipWithForcedPicking) {
    crossing(L"A");
    const sim::monitors::CursorFrame& frame = moveTo(0.0, 0.0);
    EXPECT_TRUE(frame.forcedPick);
    EXPECT_EQ(frame.picked.size(), 1u);
    EXPECT_TRUE(frame.graphics.empty());
}

class TopOnlyTooltipTest : public MonitorTest {};

TEST_F(TopOnlyTooltipTest, CountsOnlyTheFirstObject) {
    EXPECT_EQ(eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \" T)"), L"nil");
    line(L"A", -5.0, 0.0, 5.0, 0.0);
    line(L"B", 0.0, -5.0, 0.0, 5.0);
    EXPECT_EQ(moveTo(0.0, 0.0).tooltip, L"Layer: A");
}

TEST_F(TopOnlyTooltipTest, NilAsThirdArgumentCountsThemAll) {
    EXPECT_EQ(eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \" nil)"), L"nil");
    line(L"A", -5.0, 0.0, 5.0, 0.0);
    line(L"B", 0.0, -5.0, 0.0, 5.0);
    EXPECT_EQ(moveTo(0.0, 0.0).tooltip, L"2 layers: A, B");
}

TEST(LayerTooltipText, AListThatFillsTheBudgetExactlyEndsWithoutDots) {
    const std::wstring twentyEight(28, L'x');
    const std::wstring eighteen(18, L'y');
    EXPECT_EQ(layerTooltipText(L"", L"L ", {twentyEight, eighteen, L"Z"}), L"3 L " + twentyEight + L", " + eighteen + L", ");
}

TEST(LayerTooltipText, AnUnreadableRecordKeepsTheSeparatorsOfTheOthers) {
    EXPECT_EQ(layerTooltipText(L"", L"L ", {L"A", std::nullopt, L"C"}), L"3 L A, C");
    EXPECT_EQ(layerTooltipText(L"", L"L ", {L"A", std::nullopt}), L"2 L A, ");
}

TEST(LayerTooltipText, ALongSingleNameIsCutToFiftyCharacters) {
    const std::wstring name(60, L'n');
    EXPECT_EQ(layerTooltipText(L"On ", L"", {name}), L"On " + name.substr(0, 50) + L"...");
}

}  // namespace
}  // namespace vexa::test
