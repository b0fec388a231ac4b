// "Vexa-dynSymEnt" in the simulated host: the end follows the cursor's projection on the line,
// swaps behind the fixed end, and the cursor starts where the line leaves the view.
#include "acad/dbmain.h"
#include "frame/model_space.h"
#include "sim/fault_points.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

using sim::monitors::Primitive;

class LineEndDrag : public HostTest {
protected:
    void SetUp() override {
        load({"VexaDim"});
        // Four pixels a unit around the origin: the view shows x -200..200, y -112.5..112.5.
        ASSERT_TRUE(host.editor().viewports().setView(2, {0.0, 0.0}, 4.0));
    }
    AcDbObjectId line(double x1, double y1, double x2, double y2) {
        AcDbObjectId id;
        EXPECT_TRUE(frame::appendToModelSpace(new AcDbLine({x1, y1, 0}, {x2, y2, 0}), id));
        return id;
    }
    std::wstring drag(const AcDbObjectId& id, const std::wstring& selector = L"") {
        return eval(L"(Vexa-dynSymEnt (handent \"" + sim::db::Database::handleOf(id.asOldId()) + L"\") \"End: \" " +
                    selector + L")");
    }
    std::pair<AcGePoint3d, AcGePoint3d> ends(const AcDbObjectId& id) {
        AcDbLine* opened = nullptr;
        EXPECT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
        if (opened == nullptr) return {};
        const std::pair result{opened->startPoint(), opened->endPoint()};
        opened->close();
        return result;
    }
    void move(double x, double y) { host.user().queue(sim::PromptAnswer::move({false, x, y, 0})); }
    void pick(double x, double y) { host.user().queue(sim::PromptAnswer::pick({false, x, y, 0})); }
    void during(std::function<void(sim::Host&)> check) {
        host.user().queue(sim::PromptAnswer::window(L"check", std::move(check)));
    }
};

TEST_F(LineEndDrag, TheEndFollowsTheCursorAlongTheLineWithTheDoubleArrow) {
    const AcDbObjectId id = line(0, 0, 10, 0);
    std::vector<Primitive> drawn;
    move(15.0, 3.0);
    std::size_t highlighted = 0;
    during([&](sim::Host& h) {
        drawn = h.cursor().log().last().graphics;
        highlighted = h.documents().current()->database().highlighted().size();
    });
    pick(15.0, 3.0);
    EXPECT_EQ(drag(id), L"(1 (15.0 0.0 0.0))");
    EXPECT_EQ(highlighted, 1u);
    EXPECT_TRUE(host.documents().current()->database().highlighted().empty());
    EXPECT_EQ(ends(id).second, AcGePoint3d(15, 0, 0));
    // The line, marks around both ends, the arrow's shaft and its two heads.
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0].shape, Primitive::Shape::Polyline);
    EXPECT_EQ(drawn[0].points.at(1), (sim::db::Point3{15.0, 0.0, 0.0}));
    EXPECT_EQ(drawn[1].color, 141);
    EXPECT_DOUBLE_EQ(drawn[2].radius, 0.5);
    // Above a horizontal line: 8 pixels (2 units) up, from 2 units behind to 2 ahead of the end.
    EXPECT_EQ(drawn[3].points.at(0), (sim::db::Point3{13.0, 2.0, 0.0}));
    EXPECT_EQ(drawn[3].points.at(1), (sim::db::Point3{17.0, 2.0, 0.0}));
    EXPECT_EQ(drawn[4].shape, Primitive::Shape::Polygon);
    EXPECT_EQ(drawn[4].points.at(1), (sim::db::Point3{13.0, 2.0, 0.0}));
    EXPECT_NEAR(drawn[4].points.at(0).x, 13.75, 1e-9);
    EXPECT_NEAR(drawn[4].points.at(0).y, 1.7, 1e-9);
    EXPECT_NEAR(drawn[5].points.at(0).x, 16.25, 1e-9);
    EXPECT_NEAR(drawn[5].points.at(0).y, 2.3, 1e-9);
}

TEST_F(LineEndDrag, BehindTheFixedEndTheOtherEndMovesAndTheSelectorSaysSo) {
    const AcDbObjectId id = line(0, 0, 10, 0);
    move(-5.0, 1.0);
    pick(-5.0, 1.0);
    EXPECT_EQ(drag(id), L"(-1 (-5.0 0.0 0.0))");
    EXPECT_EQ(ends(id).first, AcGePoint3d(-5, 0, 0));
    EXPECT_EQ(ends(id).second, AcGePoint3d(10, 0, 0));
    // Selector 0 names the start point: after a swap it names the end point, 1.
    const AcDbObjectId other = line(0, 0, 10, 0);
    move(15.0, 0.0);
    pick(15.0, 0.0);
    EXPECT_EQ(drag(other, L"0"), L"(1 (15.0 0.0 0.0))");
    EXPECT_EQ(ends(other).first, AcGePoint3d(0, 0, 0));
    EXPECT_EQ(ends(other).second, AcGePoint3d(15, 0, 0));
}

TEST_F(LineEndDrag, TheCursorStartsOnTheMovingEndOrWhereTheLineLeavesTheView) {
    const AcDbObjectId inside = line(0, 0, 10, 0);
    pressEscape();
    EXPECT_EQ(drag(inside), L"nil");
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    POINT expected = host.editor().screenPoint({false, 10.0, 0.0, 0});
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
    // The end lies far right of the view (x 200 is its edge, pixel 1600).
    const AcDbObjectId leaving = line(0, 0, 1000, 0);
    pressEscape();
    EXPECT_EQ(drag(leaving), L"nil");
    GetCursorPos(&cursor);
    expected = host.editor().screenPoint({false, 200.0, 0.0, 0});
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
    EXPECT_EQ(ends(leaving).second, AcGePoint3d(1000, 0, 0));
}

TEST_F(LineEndDrag, MalformedCallsAndRefusalsReturnNilAndLeaveTheLine) {
    const AcDbObjectId id = line(0, 0, 10, 0);
    AcDbObjectId circle;
    ASSERT_TRUE(frame::appendToModelSpace(new AcDbCircle({0, 0, 0}, 5.0), circle));
    const std::wstring handle = L"(handent \"" + sim::db::Database::handleOf(id.asOldId()) + L"\")";
    const std::vector<std::wstring> calls{
             std::wstring(L"(Vexa-dynSymEnt)"), L"(Vexa-dynSymEnt " + handle + L")",
             L"(Vexa-dynSymEnt \"End\" " + handle + L")", L"(Vexa-dynSymEnt " + handle + L" \"End\" \"1\")",
             L"(Vexa-dynSymEnt (handent \"" + sim::db::Database::handleOf(circle.asOldId()) + L"\") \"End\")",
    };
    for (const std::wstring& call : calls) {
        EXPECT_EQ(eval(call), L"nil") << narrow(call);
    }
    sim::armFault(host, L"lockDocument");
    EXPECT_EQ(drag(id), L"nil");
    EXPECT_EQ(ends(id).second, AcGePoint3d(10, 0, 0));
}

}  // namespace
}  // namespace vexa::test
