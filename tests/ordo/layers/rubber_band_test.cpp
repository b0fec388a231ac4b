// The rubber band: where it is drawn, how, and that it is drawn once however often it is switched on.
#include "support/monitor_fixture.h"
#include "ordo/layers/sw_lay_geometry.h"

namespace vexa::test {
namespace {

using sim::monitors::Primitive;

void expectNear(const sim::db::Point3& actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, 0.0, 1e-9);
}

class RubberBandTest : public MonitorTest {
protected:
    void SetUp() override {
        MonitorTest::SetUp();
        // Four pixels a unit: a pixel is 0.25 drawing units.
        ASSERT_TRUE(host.editor().viewports().setView(2, {0.0, 0.0}, 4.0));
    }
};

TEST_F(RubberBandTest, RunsFromTheBasePointToBesideTheCursor) {
    EXPECT_EQ(eval(L"(Vexa-swLayBand '(1.0 2.0 0.0))"), L"nil");
    const sim::monitors::CursorFrame& frame = moveTo(10.0, 5.0);
    ASSERT_EQ(frame.graphics.size(), 3u);
    // 17 pixels right of and below the cursor; marks of 2 pixels around both ends.
    const double end[] = {10.0 + 17 * 0.25, 5.0 - 17 * 0.25};
    const Primitive& endMark = frame.graphics[0];
    const Primitive& baseMark = frame.graphics[1];
    const Primitive& band = frame.graphics[2];
    EXPECT_EQ(endMark.shape, Primitive::Shape::Circle);
    expectNear(endMark.points.at(0), end[0], end[1]);
    EXPECT_DOUBLE_EQ(endMark.radius, 0.5);
    EXPECT_EQ(baseMark.shape, Primitive::Shape::Circle);
    expectNear(baseMark.points.at(0), 1.0, 2.0);
    EXPECT_DOUBLE_EQ(baseMark.radius, 0.5);
    EXPECT_EQ(baseMark.normal, (sim::db::Point3{0.0, 0.0, 1.0}));
    EXPECT_EQ(endMark.normal, baseMark.normal);
    EXPECT_EQ(band.shape, Primitive::Shape::Polyline);
    ASSERT_EQ(band.points.size(), 2u);
    expectNear(band.points[0], 1.0, 2.0);
    expectNear(band.points[1], end[0], end[1]);
    for (const Primitive& drawn : frame.graphics) {
        EXPECT_EQ(drawn.color, 141);
        EXPECT_EQ(drawn.linetype, L"CONTINUOUS");
    }
    EXPECT_FALSE(frame.hostCursorGraphics);
}

TEST_F(RubberBandTest, SwitchedOnTwiceDrawsOneBand) {
    EXPECT_EQ(eval(L"(Vexa-swLayBand)"), L"nil");
    EXPECT_TRUE(moveTo(3.0, 3.0).graphics.empty());
    eval(L"(Vexa-swLayBand '(0.0 0.0 0.0))");
    eval(L"(Vexa-swLayBand '(7.0 7.0 0.0))");
    EXPECT_EQ(monitorsAttached(), 1);
    EXPECT_EQ(drawing().inputPoints().systemCursorDisableCount(), 1);
    const sim::monitors::CursorFrame& frame = moveTo(3.0, 3.0);
    ASSERT_EQ(frame.graphics.size(), 3u);
    expectNear(frame.graphics[1].points.at(0), 0.0, 0.0);
}

TEST_F(RubberBandTest, DrawsNothingWhenTheHostComputedNoPoint) {
    eval(L"(Vexa-swLayBand '(0.0 0.0 0.0))");
    host.cursor().report({false, 0, {}});
    EXPECT_TRUE(host.cursor().log().last().graphics.empty());
    host.cursor().moveToPixel({-20, -20});
    EXPECT_FALSE(host.cursor().log().last().pointComputed);
    EXPECT_TRUE(host.cursor().log().last().graphics.empty());
}

TEST_F(RubberBandTest, AnyCallWithoutA3DPointSwitchesItOff) {
    for (const wchar_t* call : {L"(Vexa-swLayBand '(1.0 2.0))", L"(Vexa-swLayBand \"on\")", L"(Vexa-swLayBand nil)"}) {
        eval(L"(Vexa-swLayBand '(0.0 0.0 0.0))");
        EXPECT_EQ(eval(call), L"nil");
        EXPECT_EQ(monitorsAttached(), 0) << narrow(call);
        EXPECT_EQ(drawing().inputPoints().systemCursorDisableCount(), 0);
        EXPECT_TRUE(moveTo(1.0, 1.0).graphics.empty());
        EXPECT_TRUE(host.cursor().log().last().hostCursorGraphics);
    }
}

// A view turned a quarter to the left: screen right is world +y, so "below" is world +x.
TEST(RubberBandGeometry, FollowsTheViewsAxesWhateverTheirLength) {
    const ordo::ViewAxes axes = ordo::viewAxes({0.0, 0.0, 2.0}, {0.0, 3.0, 0.0});
    EXPECT_EQ(axes.y, AcGeVector3d(-1.0, 0.0, 0.0));
    const AcGePoint3d end = ordo::bandEnd({1.0, 1.0, 0.0}, 0.5, axes);
    EXPECT_EQ(end, AcGePoint3d(1.0 + 8.5, 1.0 + 8.5, 0.0));
}

}  // namespace
}  // namespace vexa::test
