// "Vexa-PixelToWorld", "Vexa-WorldToPixel" and the watcher that follows the mouse between viewports.
#include "sim/host.h"
#include "support/kito_fixture.h"

namespace {

class ViewportFunctions : public vexa::test::KitoTest {
protected:
    ViewportFunctions() {
        host.editor().viewports().tile(2);  // 2 on the left half, 3 on the right
        host.sysvars().force(L"CVPORT", 2);
    }
    void moveTo(double px, double py) { host.user().queue(vexa::sim::PromptAnswer::move({true, px, py, 0})); }
};

TEST_F(ViewportFunctions, WithoutArgumentsBothPrintTheirUsage) {
    EXPECT_EQ(eval(L"(Vexa-PixelToWorld)"), L"nil");
    EXPECT_EQ(takePrinted(), L"\n;; (Vexa-PixelToWorld pt viewportNum)\n;; (Vexa-PixelToWorld pt) for current active viewport");
    EXPECT_EQ(eval(L"(Vexa-WorldToPixel)"), L"nil");
    EXPECT_EQ(takePrinted(), L"\n;; (Vexa-WorldToPixel pt viewportNum)\n;; (Vexa-WorldToPixel pt) for current active viewport");
}

TEST_F(ViewportFunctions, FractionalPixelsAreTruncatedTowardZero) {
    EXPECT_EQ(eval(L"(Vexa-PixelToWorld '(10.9 -3.7))"), eval(L"(Vexa-PixelToWorld '(10.0 -3.0))"));
    EXPECT_NE(eval(L"(Vexa-PixelToWorld '(10.9 -3.7))"), eval(L"(Vexa-PixelToWorld '(11.0 -4.0))"));
    // Far outside the 32-bit range: clamped, never undefined.
    EXPECT_NE(eval(L"(Vexa-PixelToWorld '(1e300 -1e300) 2)"), L"nil");
}

TEST_F(ViewportFunctions, PointsGoBothWaysInAGivenViewport) {
    const std::wstring world = eval(L"(Vexa-PixelToWorld '(1200.0 450.0) 3)");
    EXPECT_EQ(eval(L"(Vexa-WorldToPixel '" + world + L" 3)"), L"(1200 450)");
    // Both tiles show the view the drawing had: its centre is in the middle of each.
    EXPECT_EQ(eval(L"(Vexa-WorldToPixel '(80.0 45.0 0.0) 2)"), L"(400 450)");
}

TEST_F(ViewportFunctions, AViewportTheHostRefusesGivesNil) {
    EXPECT_EQ(eval(L"(Vexa-PixelToWorld '(10.0 10.0) 9)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-WorldToPixel '(1.0 1.0 0.0) 9)"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-WorldToPixel \"x\")"), L"nil");
}

TEST_F(ViewportFunctions, WorldToPixelInALayoutUsesTheFloatingViewportFromCvport) {
    eval(L"(setvar \"TILEMODE\" 0)");
    EXPECT_EQ(eval(L"(getvar \"CVPORT\")"), L"1");
    eval(L"(command \"-VPORTS\" \"2\")");
    host.editor().viewports().setView(3, {0.0, 0.0}, 2.0);
    eval(L"(command \"MSPACE\")");
    eval(L"(setvar \"CVPORT\" 3)");
    EXPECT_EQ(eval(L"(Vexa-WorldToPixel '(0.0 0.0 0.0))"), eval(L"(Vexa-WorldToPixel '(0.0 0.0 0.0) 3)"));
    EXPECT_NE(eval(L"(Vexa-WorldToPixel '(0.0 0.0 0.0))"), eval(L"(Vexa-WorldToPixel '(0.0 0.0 0.0) 1)"));
}

TEST_F(ViewportFunctions, TheWatcherFollowsTheMouseWithoutAClickAndIgnoresTheOutside) {
    eval(L"(Vexa-dvpOn)");
    eval(L"(Vexa-dvpOn)");
    EXPECT_EQ(host.input().filters().watcherCount(), 1u);
    moveTo(1200, 450);
    moveTo(1200, -20);  // above the drawing view: no viewport
    type(L"x");
    eval(L"(getstring \"Move: \")");
    EXPECT_EQ(eval(L"(getvar \"CVPORT\")"), L"3");
    moveTo(400, 450);
    type(L"x");
    eval(L"(getstring \"Move: \")");
    EXPECT_EQ(eval(L"(getvar \"CVPORT\")"), L"2");
    eval(L"(Vexa-dvpOff)");
    eval(L"(Vexa-dvpOff)");
    EXPECT_EQ(host.input().filters().watcherCount(), 0u);
}

TEST_F(ViewportFunctions, ARefusedRegistrationPrintsAndALaterCallTriesAgain) {
    host.input().filters().setRefusing(true);
    takePrinted();
    eval(L"(Vexa-dvpOn)");
    EXPECT_EQ(takePrinted(), L"\nCan't register Windows Msg hook.");
    host.input().filters().setRefusing(false);
    eval(L"(Vexa-dvpOn)");
    EXPECT_EQ(host.input().filters().watcherCount(), 1u);
    // Unloading removes it; the audit would report a leftover watcher.
    host.unloadPlugin(L"VexaKito");
    EXPECT_EQ(host.input().filters().watcherCount(), 0u);
}

}  // namespace
