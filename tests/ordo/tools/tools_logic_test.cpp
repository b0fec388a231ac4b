// The bolt and drill type rules, the cylinder catalogue and the tools dialogs' arguments and results.
#include <cfloat>

#include "ordo/tools/cylinder_options.h"
#include "ordo/tools/fastener_options.h"
#include "support/ordo_logic_fixture.h"

namespace vexa::ordo {
void PrintTo(const FastenerChoice& c, std::ostream* out) {
    *out << "(" << c.type << " " << c.diameter << " " << c.view << ")";
}
}  // namespace vexa::ordo

namespace {

using namespace vexa::ordo;
using ToolsLogic = vexa::test::OrdoLogicTest;

TEST(BoltRules, NutLosesDiameterTwoAndTheBottomView) {
    EXPECT_EQ(applyBoltRule({1, 0, 2}), (FastenerChoice{1, 1, 1}));
    const BoltAvailability nut = boltAvailability(1);
    EXPECT_FALSE(nut.diameters[0]);
    EXPECT_TRUE(nut.diameters[8]);
    EXPECT_EQ(nut.views, (std::array<bool, 3>{true, true, false}));
}

TEST(BoltRules, CountersunkScrewStopsAtEight) {
    EXPECT_EQ(applyBoltRule({3, 8, 0}), (FastenerChoice{3, 5, 0}));
    EXPECT_EQ(applyBoltRule({3, 6, 2}), (FastenerChoice{3, 5, 2}));
    EXPECT_EQ(applyBoltRule({3, 0, 2}), (FastenerChoice{3, 0, 2}));
    EXPECT_EQ(applyBoltRule({2, 0, 2}), (FastenerChoice{2, 1, 2}));
    EXPECT_EQ(applyBoltRule({4, 0, 2}), (FastenerChoice{4, 1, 2}));
}

TEST(BoltRules, ValuesOutsideTheirGroupsAndUnknownTypesAreLeftAlone) {
    // No radio is selected for them, so the user's own choice (or -1) decides the result.
    EXPECT_EQ(applyBoltRule({3, 12, 7}), (FastenerChoice{3, 12, 7}));
    EXPECT_EQ(applyBoltRule({1, -1, -1}), (FastenerChoice{1, -1, -1}));
    EXPECT_EQ(applyBoltRule({9, 0, 2}), (FastenerChoice{9, 0, 2}));
    const BoltAvailability unknown = boltAvailability(-3);
    for (bool enabled : unknown.diameters) EXPECT_TRUE(enabled);
    for (bool enabled : unknown.views) EXPECT_TRUE(enabled);
}

TEST(DrillRules, UserSizeMovesToTheLargestEnabledDiameter) {
    EXPECT_EQ(applyDrillRule({3, kUserDiameter, 1}), (FastenerChoice{3, 5, 1}));
    EXPECT_EQ(applyDrillRule({2, kUserDiameter, 1}), (FastenerChoice{2, 8, 1}));
    EXPECT_EQ(applyDrillRule({4, kUserDiameter, 2}), (FastenerChoice{4, 8, 2}));
    EXPECT_EQ(applyDrillRule({0, kUserDiameter, 2}), (FastenerChoice{0, kUserDiameter, 2}));
    EXPECT_EQ(applyDrillRule({1, 0, 0}), (FastenerChoice{1, 1, 0}));
    EXPECT_EQ(applyDrillRule({3, 7, 0}), (FastenerChoice{3, 5, 0}));
}

TEST(DrillRules, OnlyDrilledAndPinHolesTakeAUserSize) {
    for (int type = 0; type < kFastenerTypeCount; ++type) {
        const DrillAvailability availability = drillAvailability(type);
        EXPECT_EQ(availability.diameters[kUserDiameter], type <= 1) << "type " << type;
        EXPECT_EQ(availability.diameters[0], type >= 2) << "type " << type;
        EXPECT_EQ(availability.diameters[8], type != 3) << "type " << type;
        for (int standard = 1; standard <= 5; ++standard) EXPECT_TRUE(availability.diameters[standard]);
    }
}

std::vector<int> enabledSizes(const StrokeRadios& radios) {
    std::vector<int> sizes;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]) sizes.push_back(kStrokeLengths[i]);
    }
    return sizes;
}

TEST(CylinderTables, NdasCorrectsBoreThenStroke) {
    CylinderChoice choice{1, 1, 5, 8};
    choice = applyStrokeRule(applySeriesRule(choice));
    EXPECT_EQ(choice.bore, 0);
    EXPECT_EQ(choice.stroke, 0);
    EXPECT_EQ(enabledSizes(*strokesOffered(1, 0)), (std::vector<int>{5, 10, 15, 20}));
    EXPECT_EQ(*boresOffered(1), (BoreRadios{true, true, false, true, false, false, false, false, false, false}));
}

TEST(CylinderTables, CdasBoreFiftyStartsAtStrokeTen) {
    CylinderChoice choice{0, 0, 8, 0};
    choice = applyStrokeRule(choice);
    EXPECT_EQ(kStrokeLengths[choice.stroke], 10);
    choice.bore = 2;
    EXPECT_EQ(kStrokeLengths[applyStrokeRule(choice).stroke], 10);
    EXPECT_EQ(kBoreSizes[applySeriesRule({0, 0, 1, 0}).bore], 12);
    EXPECT_EQ(enabledSizes(*strokesOffered(0, 6)), (std::vector<int>{5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 75, 100}));
}

TEST(CylinderTables, DabAndPbdaRows) {
    EXPECT_EQ(enabledSizes(*strokesOffered(2, 4)), (std::vector<int>{25, 50, 75, 100, 125, 150}));
    EXPECT_EQ(kStrokeLengths[applyStrokeRule({2, 0, 3, 0}).stroke], 15);
    EXPECT_EQ(enabledSizes(*strokesOffered(3, 3)).size(), kStrokeLengths.size());
    for (int stroke = 0; stroke < static_cast<int>(kStrokeLengths.size()); ++stroke) {
        EXPECT_EQ(applyStrokeRule({3, 0, 3, stroke}).stroke, stroke);
    }
    EXPECT_EQ(enabledSizes(*strokesOffered(3, 1)).back(), 150);
}

TEST(CylinderTables, EveryOfferedBoreHasStrokes) {
    for (int series = 0; series < kSeriesCount; ++series) {
        const BoreRadios bores = *boresOffered(series);
        for (int bore = 0; bore < static_cast<int>(bores.size()); ++bore) {
            EXPECT_EQ(strokesOffered(series, bore).has_value(), bores[bore]) << "series " << series << " bore " << bore;
        }
    }
}

TEST(CylinderTables, UnknownSeriesOrBoreAppliesNoRule) {
    EXPECT_FALSE(boresOffered(4).has_value());
    EXPECT_FALSE(boresOffered(-1).has_value());
    EXPECT_FALSE(strokesOffered(0, 10).has_value());
    const CylinderChoice choice = applyStrokeRule(applySeriesRule({7, 2, 0, 17}));
    EXPECT_EQ(choice.bore, 0);
    EXPECT_EQ(choice.stroke, 17);
    EXPECT_EQ(applyStrokeRule(applySeriesRule({1, 0, 0, 40})).stroke, 40);
}

TEST_F(ToolsLogic, BoltReadsIntegerCodesAndSkipsOtherShapes) {
    auto args = chainOf(L"(0 1) (1 . 4) (1 \"x\") (2 2) (5 3) 7 (\"LANGTEXT\" \"Bolt\" \"Type\") (2)");
    const BoltOptions options = *readBoltOptions(args.get());
    EXPECT_EQ(options.choice, (FastenerChoice{1, 0, 2}));
    EXPECT_EQ(options.captions.size(), kBoltCaptionSlots);
    EXPECT_EQ(options.captions[0], L"Bolt");
    EXPECT_EQ(options.captions[2], L"");
    EXPECT_EQ(printed(boltResult(options)), L"(1 0 2)");
    EXPECT_FALSE(readBoltOptions(nullptr).has_value());
}

TEST_F(ToolsLogic, DrillReturnsTheSizeAsARealAtFloatPrecision) {
    auto args = chainOf(L"(0 3) (1 9) (3 2)");
    DrillOptions options = *readDrillOptions(args.get());
    EXPECT_EQ(options.userSize, 2.0f);
    options.choice = applyDrillRule(options.choice);
    EXPECT_EQ(printed(drillResult(options)), L"(3 5 0 2.0)");

    args = chainOf(L"(3 0.1) (3 \"8\")");
    options = *readDrillOptions(args.get());
    EXPECT_EQ(options.userSize, 0.1f);
    args = chainOf(L"(3 1e300)");
    EXPECT_EQ(readDrillOptions(args.get())->userSize, FLT_MAX);
}

TEST_F(ToolsLogic, LongCaptionListsFillOnlyTheSlots) {
    std::wstring captions = L"(\"LANGTEXT\"";
    for (int i = 0; i < 40; ++i) captions += L" \"c" + std::to_wstring(i) + L"\"";
    auto args = chainOf(captions + L")");
    const DrillOptions drill = *readDrillOptions(args.get());
    EXPECT_EQ(drill.captions.size(), kDrillCaptionSlots);
    EXPECT_EQ(drill.captions.back(), L"c16");
    const SeriesOptions series = *readSeriesOptions(args.get());
    EXPECT_EQ(series.captions.size(), kSeriesCaptionSlots);
    EXPECT_EQ(series.series, 0);
}

TEST_F(ToolsLogic, CylinderResultLeavesTheSeriesOut) {
    auto args = chainOf(L"(0 2) (1 4) (2 3) (3 13) (4 1)");
    const CylinderOptions options = *readCylinderOptions(args.get());
    EXPECT_EQ(options.choice.series, 2);
    EXPECT_EQ(printed(cylinderResult(options)), L"(4 3 13)");
    args = chainOf(L"(0 2)");
    EXPECT_EQ(readSeriesOptions(args.get())->series, 2);
    EXPECT_FALSE(readCylinderOptions(nullptr).has_value());
}

}  // namespace
