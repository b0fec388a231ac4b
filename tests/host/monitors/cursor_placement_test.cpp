// The cursor a plug-in places, the point history the mouse hands to monitors, and the
// transient text they draw, sized by the text style's metrics.
#include "acad/acdocman.h"
#include "acad/acedinpt.h"
#include "acad/acedvports.h"
#include "acad/acgi.h"
#include "support/host_fixture.h"
#include "win/afxwin.h"

namespace vexa::test {
namespace {

// Draws the feedback text centred on the cursor, as the text sizing tool does.
class TextMonitor : public AcEdInputPointMonitor {
public:
    Acad::ErrorStatus monitorInputPoint(bool&, ACHAR*&, AcGiViewportDraw* draw, AcApDocument*, bool computed,
                                        int history, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&,
                                        const AcGePoint3d&, const AcGePoint3d&, AcDb::OsnapMask,
                                        const AcArray<AcDbCustomOsnapMode*>&, AcDb::OsnapMask,
                                        const AcArray<AcDbCustomOsnapMode*>&, const AcArray<AcDbObjectId>&,
                                        const AcArray<AcDbObjectIdArray>&, const AcArray<std::intptr_t>&,
                                        const AcArray<AcDbObjectId>&, const AcArray<AcGeCurve3d*>&,
                                        const AcGePoint3d& point, const ACHAR*) override {
        histories.push_back(history);
        if (!computed) return Acad::eOk;
        points.push_back(point);
        AcGiTextStyle style;
        style.setFileName(L"txt.shx");
        style.setBigFontFileName(L"txt.shx");
        style.setFont(L"txt.shx", false, false, 0, 0);
        style.setTextSize(1.0);
        style.setXScale(1.1);
        EXPECT_EQ(style.loadStyleRec(), 0);
        const AcGePoint2d size = style.extents(L"<- 3.50 +>", false, -1, false);
        draw->subEntityTraits().setColor(91);
        draw->geometry().text({point.x - size.x / 2, point.y - size.y / 2, point.z}, AcGeVector3d::kZAxis,
                              AcGeVector3d::kXAxis, L"<- 3.50 +>", -1, false, style);
        return Acad::eOk;
    }
    std::vector<int> histories;
    std::vector<AcGePoint3d> points;
};

class CursorPlacementTest : public HostTest {
protected:
    sim::Document& drawing() { return *host.documents().current(); }
    POINT screenOf(double x, double y) {
        const ads_point world{x, y, 0.0};
        CPoint pixel;
        EXPECT_TRUE(acedCoordFromWorldToPixel(2, world, pixel));
        POINT screen{pixel.x, pixel.y};
        ClientToScreen(acedGetAcadDwgView()->m_hWnd, &screen);
        return screen;
    }
};

TEST_F(CursorPlacementTest, SetCursorPosIsAMouseMoveTheMonitorsSeeAtThatPixel) {
    TextMonitor monitor;
    drawing().inputPointManager()->addPointMonitor(&monitor);
    const POINT screen = screenOf(10.0, 20.0);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    POINT back{};
    ASSERT_TRUE(GetCursorPos(&back));
    EXPECT_EQ(back.x, screen.x);
    EXPECT_EQ(back.y, screen.y);
    ASSERT_EQ(monitor.points.size(), 1u);
    // Whole pixels: within one pixel of the world point placed.
    const double pixel = host.editor().pickReach();
    EXPECT_NEAR(monitor.points[0].x, 10.0, pixel);
    EXPECT_NEAR(monitor.points[0].y, 20.0, pixel);
    // Off the drawing view: the mouse moves, no monitor is called.
    ASSERT_TRUE(SetCursorPos(-500, -500));
    EXPECT_EQ(monitor.points.size(), 1u);

    // The user's moves and picks come from the mouse, not the tablet.
    host.user().queue(sim::PromptAnswer::move({false, 4.0, 5.0, 0}));
    host.user().queue(sim::PromptAnswer{sim::PromptAnswer::Kind::CursorPlace, {}});
    host.user().queue(sim::PromptAnswer::graphics());
    pressEnter();
    eval(L"(getstring \"Wait: \")");
    drawing().inputPointManager()->removePointMonitor(&monitor);
    for (int history : monitor.histories) {
        EXPECT_EQ(history & Acad::eNotDigitizer, Acad::eNotDigitizer);
        EXPECT_EQ(history & Acad::eTablet, 0);
    }
    const std::wstring printed = host.commandLine().transcript();
    EXPECT_NE(printed.find(L"cursor at "), std::wstring::npos);
    EXPECT_NE(printed.find(L" (4.0,5.0 world)"), std::wstring::npos) << narrow(printed);
    // 10 characters of 6/9 at size 1 and width factor 1.1: 7.333 wide, 1 high, centred on (4, 5).
    EXPECT_NE(printed.find(L"text 91 BYLAYER \"<- 3.50 +>\" at (0.333333 4.5 0.0) height 1.0 direction (1.0 0.0 0.0)"),
              std::wstring::npos)
        << narrow(printed);
}

TEST_F(CursorPlacementTest, TextExtentsCountShownCharactersAtTheStylesSizeAndWidth) {
    AcGiTextStyle style;
    style.setTextSize(9.0);
    const auto width = [&](const ACHAR* text, int length, bool raw) {
        const AcGePoint2d size = style.extents(text, false, length, raw);
        EXPECT_EQ(size.y, text != nullptr ? 9.0 : 0.0);
        return size.x;
    };
    EXPECT_DOUBLE_EQ(width(L"abc", -1, false), 18.0);
    EXPECT_DOUBLE_EQ(width(L"abcdef", 2, false), 12.0);
    // %%d is one character, %%u none; raw text counts every character.
    EXPECT_DOUBLE_EQ(width(L"90%%d%%u", -1, false), 18.0);
    EXPECT_DOUBLE_EQ(width(L"90%%d", -1, true), 30.0);
    style.setXScale(0.5);
    EXPECT_DOUBLE_EQ(width(L"ab", -1, false), 6.0);
    EXPECT_EQ(width(nullptr, -1, false), 0.0);
    EXPECT_EQ(AcGiTextStyle(2.0).textSize(), 2.0);
}

}  // namespace
}  // namespace vexa::test
