// The views check, 3D model options and marking colours: arguments, what the dialogs show, results.
#include "ordo/views/marking_colours.h"
#include "ordo/views/model_options.h"
#include "ordo/views/views_check_setup.h"
#include "ordo/views/views_error_report.h"
#include "support/ordo_logic_fixture.h"

namespace {

using namespace vexa::ordo;
using ViewsLogic = vexa::test::OrdoLogicTest;

TEST_F(ViewsLogic, SetupReturnsAnIntegerAngleAsAReal) {
    auto args = chainOf(L"(1 5) (2 \"0.5\") (3 1) (4 0) (5 1) (0 \"any\") (9 9)");
    const ViewsCheckSetup setup = *readViewsCheckSetup(args.get());
    EXPECT_EQ(setup.angleFuzzy, 5.0f);
    EXPECT_EQ(setup.check3, 1);
    EXPECT_EQ(printed(viewsCheckSetupResult(setup)), L"(5.0 \"0.5\" 1 0)");
}

TEST_F(ViewsLogic, SetupIgnoresValuesOfTheWrongType) {
    auto args = chainOf(L"(1 1.5) (1 \"2\") (2 7) (3 \"1\") (3 . 1)");
    const ViewsCheckSetup setup = *readViewsCheckSetup(args.get());
    EXPECT_EQ(setup.angleFuzzy, 1.5f);
    EXPECT_EQ(setup.positionFuzzy, L"");
    EXPECT_EQ(setup.check1, 0);
    EXPECT_FALSE(readViewsCheckSetup(nullptr).has_value());
}

TEST_F(ViewsLogic, TwoCaptionsLeaveTheOtherSlotsEmpty) {
    auto args = chainOf(L"(\"LANGTEXT\" \"A\" \"B\") (\"LANGTEXT\" \"X\" \"Y\" \"Z\")");
    const ViewsCheckSetup setup = *readViewsCheckSetup(args.get());
    EXPECT_EQ(setup.captions, (std::vector<std::wstring>{L"A", L"B", L"", L"", L"", L"", L"", L"", L""}));
}

TEST_F(ViewsLogic, ReportTotalsTheCheckedCounts) {
    auto args = chainOf(L"(1 3) (2 4) (10 0) (0 9) (5 100)");
    const ViewsErrorReport report = *readViewsErrorReport(args.get());
    const ReportDisplay display = reportDisplay(report);
    EXPECT_EQ(display.total, 7u);
    EXPECT_TRUE(display.freeNodeRow && display.nonProjectedRow && display.asksToContinue);
    EXPECT_EQ(errorCountText(L"Number of errors", display.total), L"Number of errors  7");
}

TEST_F(ViewsLogic, ReportDisablesUncheckedRowsAndOnlyReportsByDefault) {
    auto args = chainOf(L"(1 2) (10 -1)");
    ReportDisplay display = reportDisplay(*readViewsErrorReport(args.get()));
    EXPECT_TRUE(display.freeNodeRow);
    EXPECT_FALSE(display.nonProjectedRow);
    EXPECT_EQ(display.nonProjected, 0);
    EXPECT_EQ(display.total, 2u);
    EXPECT_FALSE(display.asksToContinue);

    args = chainOf(L"(1 -5) (2 -32768)");
    display = reportDisplay(*readViewsErrorReport(args.get()));
    EXPECT_EQ(display.total, 0u);
    EXPECT_EQ(display.freeNodes, 0);
    EXPECT_FALSE(display.freeNodeRow || display.nonProjectedRow || display.asksToContinue);

    args = chainOf(L"(1 32767) (2 32767)");
    EXPECT_EQ(reportDisplay(*readViewsErrorReport(args.get())).total, 65534u);
}

TEST_F(ViewsLogic, ModelDefaultsPutTheLimitLast) {
    auto args = chainOf(L"(\"LANGTEXT\" \"3D\")");
    const ModelOptions options = *readModelOptions(args.get());
    EXPECT_EQ(printed(modelOptionsResult(options)), L"(2 0 1 1 3)");
    args = chainOf(L"(0 5) (1 30) (2 1) (3 0) (4 0) (5 1) (-1 4)");
    EXPECT_EQ(printed(modelOptionsResult(*readModelOptions(args.get()))), L"(5 1 0 0 30)");
}

TEST(ModelTexts, ModesDescribeThemselvesInSlotsTwelveToSixteen) {
    EXPECT_EQ(modeDescriptionSlot(1), 12u);
    EXPECT_EQ(modeDescriptionSlot(5), 16u);
    EXPECT_FALSE(modeDescriptionSlot(0).has_value());
    EXPECT_FALSE(modeDescriptionSlot(6).has_value());
    EXPECT_EQ(sliderEndText(L"Rough", L"Fast"), L"Rough\n(Fast)");
}

TEST_F(ViewsLogic, MarkingColoursComeBackAsGiven) {
    auto args = chainOf(
        L"(195 0 0 1) (1 . 2) (194 10 20 30) (195 0 0 9) (\"LANGTEXT\" \"T\" \"A\" \"B\" \"OK\" \"Cancel\" \"x\")");
    const MarkingColours colours = *readMarkingColours(args.get());
    EXPECT_EQ(colours.captions, (std::vector<std::wstring>{L"T", L"A", L"B", L"OK", L"Cancel"}));
    EXPECT_EQ(printed(markingColoursResult(colours)), L"((195 0 0 1) (194 10 20 30))");
    EXPECT_FALSE(readMarkingColours(nullptr).has_value());
}

TEST_F(ViewsLogic, MarkingColoursWithoutCaptionsShowEmptyTexts) {
    auto args = chainOf(L"(194 1 2 3) \"loose\" 5");
    const MarkingColours colours = *readMarkingColours(args.get());
    EXPECT_EQ(colours.captions, std::vector<std::wstring>(kMarkingCaptionSlots));
    EXPECT_EQ(colours.lacking.blue, 3);
    EXPECT_EQ(colours.redundant.method, kIndexColourMethod);
}

}  // namespace
