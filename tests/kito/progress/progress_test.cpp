// "Vexa-Progress", the running window's animation and the video help window.
#include "kito/resource.h"
#include "sim/host.h"
#include "support/kito_fixture.h"

namespace {

using vexa::sim::win::DialogView;

class ProgressWindows : public vexa::test::KitoTest {
protected:
    std::vector<HWND> windowsOf(const wchar_t* templateName) {
        std::vector<HWND> found;
        for (HWND window : host.windows().windows()) {
            if (host.windows().find(window)->templateName == templateName) found.push_back(window);
        }
        return found;
    }
    // The animation pictures shown now.
    std::vector<int> shownFrames(HWND running) {
        std::vector<int> shown;
        const DialogView view(host.windows(), running);
        for (int id = IDC_RUNNING_FRAME_FIRST; id <= IDC_RUNNING_FRAME_LAST; ++id) {
            if (view.visible(id)) shown.push_back(id);
        }
        return shown;
    }
};

TEST_F(ProgressWindows, TheMeterShowsHalfAndIsRemovedWithoutArgument) {
    eval(L"(Vexa-Progress \"Drawing\" 250)");
    eval(L"(Vexa-Progress 125)");
    ASSERT_TRUE(host.statusBar().meter());
    EXPECT_EQ(host.statusBar().meter()->percent(), 50);
    EXPECT_EQ(host.statusBar().meter()->label, L"Drawing");
    eval(L"(Vexa-Progress)");
    EXPECT_FALSE(host.statusBar().meter());
}

TEST_F(ProgressWindows, RealsAreTruncatedAndOtherTypesIgnored) {
    eval(L"(Vexa-Progress \"Steps\" 7.9)");
    EXPECT_EQ(host.statusBar().meter()->maximum, 7);
    eval(L"(Vexa-Progress 3.99)");
    EXPECT_EQ(host.statusBar().meter()->position, 3);
    eval(L"(Vexa-Progress \"Default\" \"x\")");
    EXPECT_EQ(host.statusBar().meter()->maximum, 100);
    eval(L"(Vexa-Progress '(1 2))");
    EXPECT_EQ(host.statusBar().meter()->position, 0);
    EXPECT_EQ(eval(L"(Vexa-Progress \"Huge\" 1e30)"), L"nil");
    EXPECT_EQ(host.statusBar().meter()->maximum, 2147483647);
}

TEST_F(ProgressWindows, TheRunningWindowShowsOnePictureAtATimeAndWraps) {
    eval(L"(Vexa-Running \"Working\")");
    const std::vector<HWND> running = windowsOf(L"114");
    ASSERT_EQ(running.size(), 1u);
    EXPECT_EQ(SendMessageW(running[0], WM_ACAD_KEEPFOCUS, 0, 0), 0);
    host.windows().wait(100);
    EXPECT_EQ(shownFrames(running[0]), std::vector<int>{115});
    host.windows().wait(2600);  // 26 ticks more: the 27th picture
    EXPECT_EQ(shownFrames(running[0]), std::vector<int>{141});
    host.windows().wait(100);
    EXPECT_EQ(shownFrames(running[0]), std::vector<int>{115});

    eval(L"(Vexa-Running \"Checking\")");
    EXPECT_EQ(windowsOf(L"114"), running);
    EXPECT_EQ(DialogView(host.windows(), running[0]).text(IDC_RUNNING_TEXT), L"Checking");
    host.windows().wait(100);
    EXPECT_EQ(shownFrames(running[0]), std::vector<int>{116});
    eval(L"(Vexa-Running)");
    EXPECT_TRUE(windowsOf(L"114").empty());
    EXPECT_EQ(host.windows().orphanedTimers(), 0u);
}

TEST_F(ProgressWindows, TheTimerPumpPutsAQuitBack) {
    eval(L"(Vexa-Running \"Working\")");
    PostQuitMessage(0);
    host.windows().wait(100);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_QUIT);
    // Unloading destroys the running window: no window outlives its procedure's code.
    host.unloadPlugin(L"VexaKito");
    EXPECT_TRUE(windowsOf(L"114").empty());
}

TEST_F(ProgressWindows, ClosingTheVideoRunsTheProductOnceAndTheFirstTitleStays) {
    eval(L"(setq closes 0)");
    eval(L"(defun C:Vexa_RemoveVHelpVlr () (setq closes (1+ closes)))");
    EXPECT_EQ(eval(L"(Vexa-VideoHelp \"First\" \"C:\\\\a.wmv\")"), L"nil");
    const std::vector<HWND> videos = windowsOf(L"142");
    ASSERT_EQ(videos.size(), 1u);
    EXPECT_EQ(SendMessageW(videos[0], WM_ACAD_KEEPFOCUS, 0, 0), 1);
    EXPECT_EQ(GetFocus(), host.windows().mainWindow());
    SendMessageW(videos[0], WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(eval(L"closes"), L"1");
    EXPECT_FALSE(IsWindowVisible(videos[0]));

    eval(L"(Vexa-VideoHelp \"Second\" \"C:\\\\b.wmv\")");
    EXPECT_EQ(windowsOf(L"142"), videos);
    const std::wstring dump = DialogView(host.windows(), videos[0]).dump();
    EXPECT_NE(dump.find(L"dialog \"First\""), std::wstring::npos);
    EXPECT_NE(dump.find(L"playing \"C:\\b.wmv\" loop"), std::wstring::npos);
}

TEST_F(ProgressWindows, ResizingKeepsThePlayerFillingTheWindow) {
    eval(L"(Vexa-VideoHelp \"Video\" \"C:\\\\a.wmv\")");
    const HWND video = windowsOf(L"142").at(0);
    const HWND player = GetDlgItem(video, IDC_VIDEO_PLAYER);
    RECT window{};
    RECT client{};
    GetWindowRect(video, &window);
    GetClientRect(video, &client);
    RECT sizing{window.left, window.top, window.right + 100, window.bottom + 40};
    SendMessageW(video, WM_SIZING, 8, reinterpret_cast<LPARAM>(&sizing));
    RECT moved{};
    GetWindowRect(player, &moved);
    EXPECT_EQ(moved.right - moved.left, client.right + 100);
    EXPECT_EQ(moved.bottom - moved.top, client.bottom + 40);
}

TEST_F(ProgressWindows, TheVideoWithoutItsTwoTextsShowsNothing) {
    EXPECT_EQ(eval(L"(Vexa-VideoHelp \"Only a title\")"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-VideoHelp 1 \"x\")"), L"nil");
    EXPECT_TRUE(windowsOf(L"142").empty());
}

}  // namespace
