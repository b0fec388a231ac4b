// Tiled viewports of the drawing view: the pixel and world mapping, Ctrl+R, clicks that
// activate a viewport, and the mouse messages the host's filters see.
#include "acad/acedsel.h"
#include "acad/acedvports.h"
#include "acad/acedwinmsg.h"
#include "support/selection_fixture.h"

namespace {

std::vector<MSG> seen;

BOOL keepMouse(MSG* message) {
    if (message->message == WM_LBUTTONDOWN) seen.push_back(*message);
    return FALSE;
}

class Viewports : public vexa::test::SelectionTest {
protected:
    Viewports() {
        seen.clear();
        editor().viewports().tile(2);  // 2 on the left half, 3 on the right
    }
    int cvport() { return std::get<int>(*host.variable(L"CVPORT")); }
};

TEST_F(Viewports, PixelsMapToTheViewportUnderThemAndBack) {
    EXPECT_EQ(acedGetWinNum(10, 10), 2);
    EXPECT_EQ(acedGetWinNum(1599, 10), 3);
    EXPECT_EQ(acedGetWinNum(-1, 10), 0);
    EXPECT_EQ(acedGetWinNum(10, 900), 0);
    ASSERT_TRUE(editor().viewports().setView(3, {100.0, 50.0}, 4.0));
    ads_point world{0, 0, 0};
    // The middle of viewport 3 (pixels 800..1600, 0..900) shows its centre.
    ASSERT_TRUE(acedCoordFromPixelToWorld(3, CPoint(1200, 450), world));
    EXPECT_DOUBLE_EQ(world[0], 100.0);
    EXPECT_DOUBLE_EQ(world[1], 50.0);
    ASSERT_TRUE(acedCoordFromPixelToWorld(3, CPoint(1210, 430), world));
    EXPECT_DOUBLE_EQ(world[0], 102.5);
    EXPECT_DOUBLE_EQ(world[1], 55.0);
    CPoint pixel;
    ASSERT_TRUE(acedCoordFromWorldToPixel(3, world, pixel));
    EXPECT_EQ(pixel.x, 1210);
    EXPECT_EQ(pixel.y, 430);
    EXPECT_FALSE(acedCoordFromPixelToWorld(7, CPoint(0, 0), world));
    // Without a number: the current viewport.
    EXPECT_EQ(acedSetCurrentVPort(3), Acad::eOk);
    EXPECT_EQ(cvport(), 3);
    ASSERT_TRUE(acedCoordFromPixelToWorld(CPoint(1200, 450), world));
    EXPECT_DOUBLE_EQ(world[0], 100.0);
    EXPECT_EQ(acedSetCurrentVPort(9), Acad::eInvalidInput);
    EXPECT_EQ(cvport(), 3);
}

TEST_F(Viewports, CtrlRAndAClickInAnotherViewportMakeItCurrent) {
    ASSERT_TRUE(acedRegisterFilterWinMsg(keepMouse));
    host.input().keyDown(VK_CONTROL);
    host.input().pressKey('R');
    host.input().runHostLoop();
    host.input().keyUp(VK_CONTROL);
    EXPECT_EQ(cvport(), 3);
    const POINT screen = editor().screenPoint({true, 100, 200, 0});
    host.input().click(vexa::sim::MouseButton::Left, screen);
    host.input().runHostLoop();
    EXPECT_EQ(cvport(), 2);
    // The filter saw the click where Windows puts it: the view's client pixel and the screen point.
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].hwnd, acedGetAcadDwgView()->GetSafeHwnd());
    EXPECT_EQ(seen[0].lParam, MAKELPARAM(100, 200));
    EXPECT_EQ(seen[0].pt.x, screen.x);
    EXPECT_EQ(seen[0].pt.y, screen.y);
    POINT client = screen;
    ScreenToClient(acedGetAcadDwgView()->GetSafeHwnd(), &client);
    EXPECT_EQ(client.x, 100);
    acedRemoveFilterWinMsg(keepMouse);
}

TEST_F(Viewports, AtAPromptAClickInAnotherViewportPicksNothing) {
    line(60, 10, 70, 10);  // shown in both viewports
    pick(65, 10, 3);       // the click only makes viewport 3 current
    pressEnter();
    ads_name set{0, 0};
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTERROR);
    EXPECT_EQ(cvport(), 3);
    pick(65, 10, 3);
    pressEnter();
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    acedSSFree(set);
}

}  // namespace
