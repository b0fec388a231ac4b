// The restart program on the simulated window system and clock: its command line, its wait for
// the host's window, the start of the host, and the module frame's switches.
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "rsapp/module_frame.h"
#include "rsapp/restart_command.h"
#include "support/host_fixture.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int);

namespace {

using vexa::rsapp::FrameAction;
using vexa::rsapp::frameAction;
using vexa::rsapp::parseRestartCommand;

HWND handle(std::intptr_t value) { return reinterpret_cast<HWND>(value); }

TEST(RestartCommand, ThreeFieldsAndTheFolderKeepsItsSemicolons) {
    const auto command = parseRestartCommand(L"1234;C:\\Program Files\\acad.exe;D:\\work;old;new");
    EXPECT_EQ(command.window, handle(1234));
    EXPECT_EQ(command.program, L"C:\\Program Files\\acad.exe");
    EXPECT_EQ(command.folder, L"D:\\work;old;new");
}

TEST(RestartCommand, AMissingSeparatorLeavesItsFieldEmpty) {
    const auto noSeparator = parseRestartCommand(L"1234");
    EXPECT_EQ(noSeparator.window, nullptr);
    EXPECT_EQ(noSeparator.program, L"");
    EXPECT_EQ(noSeparator.folder, L"1234");
    const auto oneSeparator = parseRestartCommand(L"77;C:\\acad.exe");
    EXPECT_EQ(oneSeparator.window, handle(77));
    EXPECT_EQ(oneSeparator.program, L"");
    EXPECT_EQ(oneSeparator.folder, L"C:\\acad.exe");
    const auto empty = parseRestartCommand(L"");
    EXPECT_EQ(empty.window, nullptr);
    EXPECT_EQ(empty.folder, L"");
}

TEST(RestartCommand, TheHandleIsReadAsWcstolReadsDecimalOnWindows) {
    EXPECT_EQ(parseRestartCommand(L"  -42;p;f").window, handle(-42));
    EXPECT_EQ(parseRestartCommand(L"+12abc;p;f").window, handle(12));
    EXPECT_EQ(parseRestartCommand(L"0x1F;p;f").window, nullptr);
    EXPECT_EQ(parseRestartCommand(L"abc;p;f").window, nullptr);
    // Windows' 32-bit long saturates.
    EXPECT_EQ(parseRestartCommand(L"99999999999;p;f").window, handle(2147483647));
    EXPECT_EQ(parseRestartCommand(L"-99999999999;p;f").window, handle(-2147483647 - 1));
}

TEST(ModuleFrame, SwitchesAreBlankSeparatedTokensInAnyCase) {
    EXPECT_EQ(frameAction(L"VexaRsApp.exe 1;C:\\acad.exe;C:\\"), FrameAction::Run);
    EXPECT_EQ(frameAction(L"VexaRsApp.exe /regserver"), FrameAction::RegisterServer);
    EXPECT_EQ(frameAction(L"VexaRsApp.exe -UNREGSERVER"), FrameAction::UnregisterServer);
    EXPECT_EQ(frameAction(L"VexaRsApp.exe\t/RegServerPerUser"), FrameAction::RegisterServerPerUser);
    EXPECT_EQ(frameAction(L"VexaRsApp.exe -UnregServerPerUser /Service"), FrameAction::UnregisterServerPerUser);
    EXPECT_EQ(frameAction(L"VexaRsApp.exe /Service"), FrameAction::InstallService);
    // Inside a path or run on with other letters, a dash is no switch.
    EXPECT_EQ(frameAction(L"VexaRsApp.exe 1;C:\\a-Service\\acad.exe;C:\\"), FrameAction::Run);
    EXPECT_EQ(frameAction(L"VexaRsApp.exe /RegServers / -"), FrameAction::Run);
}

class RestartProgram : public vexa::test::HostTest {
protected:
    RestartProgram() {
        std::filesystem::create_directories(host.drives().root() / "c" / "Program Files" / "Host");
        std::ofstream(host.drives().root() / "c" / "Program Files" / "Host" / "acad.exe") << "MZ";
        std::filesystem::create_directories(host.drives().root() / "c" / "work;old");
    }

    int run(std::wstring commandLine) {
        host.processes().commandLine() = L"VexaRsApp.exe " + commandLine;
        started = host.windows().now();
        return wWinMain(nullptr, nullptr, commandLine.data(), SW_SHOWNORMAL);
    }

    static std::wstring decimal(HWND window) { return std::to_wstring(reinterpret_cast<std::intptr_t>(window)); }

    DWORD started = 0;
};

TEST_F(RestartProgram, StartsTheHostOneSecondAfterThePollThatFoundItsWindowGone) {
    HWND acad = host.input().otherPrograms().window(L"acad.exe");
    host.windows().at(host.windows().now() + 3500, [acad] { DestroyWindow(acad); });
    EXPECT_EQ(run(decimal(acad) + L";C:\\Program Files\\Host\\acad.exe;C:\\work;old"), 0);

    ASSERT_EQ(host.processes().started().size(), 1u);
    const auto& restarted = host.processes().started().front();
    // Polls at 1, 2, 3 s saw the window; the one at 4 s did not; then the release second.
    EXPECT_EQ(restarted.startedAt - started, 5000u);
    EXPECT_EQ(restarted.program, L"C:\\Program Files\\Host\\acad.exe");
    EXPECT_EQ(restarted.folder, L"C:\\work;old");
    EXPECT_EQ(restarted.startupSize, sizeof(STARTUPINFOW));
    EXPECT_EQ(host.kernelHandles().openCount(), 0u);
}

TEST_F(RestartProgram, AWindowAlreadyClosedStillCostsTwoSeconds) {
    HWND acad = host.input().otherPrograms().window(L"acad.exe");
    DestroyWindow(acad);
    EXPECT_EQ(run(decimal(acad) + L";C:\\Program Files\\Host\\acad.exe;C:\\work;old"), 0);
    ASSERT_EQ(host.processes().started().size(), 1u);
    EXPECT_EQ(host.processes().started().front().startedAt - started, 2000u);
}

TEST_F(RestartProgram, AStartThatFailsShowsNothingAndTheExitCodeIsTheFrames) {
    EXPECT_EQ(run(L"0;C:\\Program Files\\Host\\missing.exe;C:\\work;old"), 0);
    EXPECT_EQ(run(L"0;C:\\Program Files\\Host\\acad.exe;C:\\no such folder"), 0);
    EXPECT_EQ(run(L"no separators at all"), 0);
    EXPECT_EQ(run(L"0;C:\\Program Files\\Host\\acad.exe;C:\\work;old /RegServer"), 0);
    EXPECT_TRUE(host.processes().started().empty());
    EXPECT_EQ(host.windows().now() - started, 2000u);
    EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
    EXPECT_TRUE(host.audit().faults().empty());
}

}  // namespace
