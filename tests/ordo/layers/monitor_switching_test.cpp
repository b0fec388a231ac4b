// Switching the two monitors on and off across drawings, at unload, and with malformed calls.
#include "support/monitor_fixture.h"

namespace vexa::test {
namespace {

class MonitorSwitchingTest : public MonitorTest {
protected:
    sim::monitors::InputPointManager& managerOf(sim::Document& document) { return document.inputPoints(); }
    void switchBothOn() {
        eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \")");
        eval(L"(Vexa-swLayBand '(0.0 0.0 0.0))");
    }
    void expectDetached(sim::Document& document) {
        EXPECT_TRUE(managerOf(document).monitors().empty());
        EXPECT_EQ(managerOf(document).forcedPickCount(), 0);
        EXPECT_EQ(managerOf(document).systemCursorDisableCount(), 0);
    }
};

TEST_F(MonitorSwitchingTest, TooltipOnTwiceThenOffLeavesNothing) {
    eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \")");
    eval(L"(Vexa-selLayToolTip \"Other: \" \"others: \")");
    EXPECT_EQ(monitorsAttached(), 1);
    EXPECT_EQ(managerOf(drawing()).forcedPickCount(), 1);
    line(L"A", -1.0, 0.0, 1.0, 0.0);
    EXPECT_EQ(moveTo(0.0, 0.0).tooltip, L"Layer: A");
    EXPECT_EQ(eval(L"(Vexa-selLayToolTip nil)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-selLayToolTip)"), L"nil");
    expectDetached(drawing());
    EXPECT_EQ(moveTo(0.0, 0.0).tooltip, L"");
}

TEST_F(MonitorSwitchingTest, MalformedTooltipCallsChangeNothing) {
    for (const wchar_t* call : {L"(Vexa-selLayToolTip 5)", L"(Vexa-selLayToolTip \"Layer: \")",
                                L"(Vexa-selLayToolTip \"Layer: \" 7 T)", L"(Vexa-selLayToolTip '(\"a\" \"b\"))"}) {
        EXPECT_EQ(eval(call), L"nil") << narrow(call);
        EXPECT_EQ(monitorsAttached(), 0) << narrow(call);
    }
    eval(L"(Vexa-selLayToolTip \"Layer: \" \"layers: \")");
    eval(L"(Vexa-selLayToolTip 5)");
    EXPECT_EQ(monitorsAttached(), 1);
}

TEST_F(MonitorSwitchingTest, SwitchingOffActsOnTheDrawingTheMonitorsWereAddedTo) {
    sim::Document& first = drawing();
    switchBothOn();
    sim::Document& second = host.documents().newDocument();
    EXPECT_TRUE(managerOf(second).monitors().empty());
    eval(L"(Vexa-selLayToolTip)");
    eval(L"(Vexa-swLayBand)");
    expectDetached(first);
    expectDetached(second);
    // On again, now in the second drawing.
    switchBothOn();
    EXPECT_EQ(managerOf(second).monitors().size(), 2u);
    EXPECT_TRUE(managerOf(first).monitors().empty());
}

TEST_F(MonitorSwitchingTest, UnloadingDetachesFromTheirDrawingWhicheverIsCurrent) {
    sim::Document& first = drawing();
    switchBothOn();
    host.documents().newDocument();
    host.unloadPlugin(L"VexaOrdo");
    expectDetached(first);
    EXPECT_TRUE(host.audit().faults().empty());
}

TEST_F(MonitorSwitchingTest, ClosingTheirDrawingSwitchesThemOff) {
    sim::Document& first = drawing();
    switchBothOn();
    host.documents().newDocument();
    host.documents().closeDocument(first);
    // Off already: switching off and on again must not touch the closed drawing.
    eval(L"(Vexa-swLayBand)");
    switchBothOn();
    EXPECT_EQ(monitorsAttached(), 2);
}

TEST_F(MonitorSwitchingTest, UnloadingWithBothOffDoesNothingMore) {
    switchBothOn();
    eval(L"(Vexa-selLayToolTip)");
    eval(L"(Vexa-swLayBand)");
    host.unloadPlugin(L"VexaOrdo");
    expectDetached(drawing());
    EXPECT_TRUE(host.audit().faults().empty());
}

}  // namespace
}  // namespace vexa::test
