// The user file's window acts, wherever the host waits, and the host's command prefixes and
// common system variables.
#include "sim/user/user_script.h"
#include "support/host_fixture.h"
#include "win/keyboard_input.h"

namespace vexa::test {
namespace {

int timerTicks = 0;

// A modeless status window: keeps at least 200 pixels of width while sized, answers the
// host's keep-focus query, counts its timer.
LRESULT CALLBACK statusProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZING) {
        auto* frame = reinterpret_cast<RECT*>(lParam);
        if (frame->right - frame->left < 200) frame->right = frame->left + 200;
        return TRUE;
    }
    if (message == 0x7101) return 1;
    if (message == WM_TIMER) ++timerTicks;
    if (message == WM_DESTROY) KillTimer(window, 1);
    return DefWindowProcW(window, message, wParam, lParam);
}

class WindowActs : public HostTest {
protected:
    WindowActs() {
        timerTicks = 0;
        WNDCLASSW status{};
        status.lpfnWndProc = statusProcedure;
        status.lpszClassName = L"StatusWindow";
        RegisterClassW(&status);
    }
    HWND openStatus() {
        HWND window = CreateWindowExW(0, L"StatusWindow", L"Vexa Status", WS_POPUP | WS_VISIBLE, 10, 10, 300, 80,
                                      nullptr, nullptr, nullptr, nullptr);
        SetTimer(window, 1, 100, nullptr);
        return window;
    }
    void acts(std::wstring_view text) { sim::queueUserScript(host, text); }
    std::wstring fresh() { return host.commandLine().takeNew(); }
};

TEST_F(WindowActs, ListSendResizeWaitCloseAndShowAtAPrompt) {
    const HWND status = openStatus();
    acts(L"windows\n"
         L"send \"vexa status\" 0x7101\n"
         L"resize \"Vexa Status\" 120 90\n"
         L"wait 350\n"
         L"close vexa status\n"
         L"windows\n"
         L"show Vexa Status\n"
         L"type done\n");
    fresh();
    EXPECT_EQ(eval(L"(getstring \"Name: \")"), L"\"done\"");
    const std::wstring printed = fresh();
    EXPECT_NE(printed.find(L"modeless windows: 1\n\ndialog \"Vexa Status\" 300x80\n"), std::wstring::npos) << narrow(printed);
    EXPECT_NE(printed.find(L"send 0x7101 to \"vexa status\": 1\n"), std::wstring::npos);
    EXPECT_NE(printed.find(L"modeless windows: 0\n\nno window \"Vexa Status\"\n"), std::wstring::npos) << narrow(printed);
    EXPECT_EQ(timerTicks, 3) << narrow(printed);
    EXPECT_FALSE(IsWindow(status));
}

TEST_F(WindowActs, TheSizingWindowCorrectsTheRectangleItIsOffered) {
    const HWND status = openStatus();
    acts(L"resize \"Vexa Status\" 120 90\ntype x\n");
    eval(L"(getstring)");
    RECT frame{};
    GetWindowRect(status, &frame);
    EXPECT_EQ(frame.right - frame.left, 200);
    EXPECT_EQ(frame.bottom - frame.top, 90);
    KillTimer(status, 1);
    DestroyWindow(status);
}

TEST_F(WindowActs, AnUnknownTitleIsAFaultAndBadWordsStopTheFile) {
    acts(L"send Nothing 0x10\ntype x\n");
    eval(L"(getstring)");
    const auto faults = host.audit().take();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], L"no window is titled \"Nothing\"");
    EXPECT_THROW(acts(L"resize \"Vexa Status\" wide 90\n"), std::runtime_error);
    EXPECT_THROW(acts(L"send\n"), std::runtime_error);
    EXPECT_THROW(acts(L"fault acedNothing\n"), std::runtime_error);
}

TEST_F(WindowActs, KeysTypedAheadWaitForTheFunctionThatReadsTheQueue) {
    load({"VexaKito"});
    acts(L"type-ahead q\n");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"81");
    // ESC typed into another program escapes mode 3; back in the host it is caught.
    eval(L"(Vexa-disableESC 3)");
    acts(L"activate Notepad\ntype-ahead {ESC}\n");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"0");
    acts(L"activate-host\ntype-ahead {ESC}\n");
    EXPECT_EQ(eval(L"(Vexa-readKB)"), L"27");
    eval(L"(Vexa-disableESC 0)");
}

TEST_F(WindowActs, QuitEndsAModalLoop) {
    load({"VexaKito"});
    acts(L"quit\n");
    EXPECT_EQ(eval(L"(Vexa-msgbox \"Go on?\" \"Vexa\" 1)"), L"0");
    EXPECT_TRUE(host.user().empty());
}

TEST_F(WindowActs, CommandPrefixesAloneAndTogether) {
    load({"VexaOrdo"});
    const sim::RegisteredCommand* command = host.commands().find(L"VexaActivateDWG");
    ASSERT_NE(command, nullptr);
    for (const wchar_t* typed : {L"_VexaActivateDWG", L".VexaActivateDWG", L"_.vexaactivatedwg", L"._VexaActivateDWG"}) {
        EXPECT_EQ(host.commands().find(typed), command) << narrow(typed);
    }
    EXPECT_EQ(host.commands().find(L"."), nullptr);
    EXPECT_EQ(host.commands().find(L"_."), nullptr);
}

TEST_F(WindowActs, CommonSystemVariablesKeepTheirTypes) {
    EXPECT_EQ(eval(L"(list (getvar \"CECOLOR\") (getvar \"celtype\") (getvar \"TEXTSIZE\") (getvar \"OSMODE\"))"),
              L"(\"BYLAYER\" \"BYLAYER\" 2.5 4133)");
    EXPECT_EQ(eval(L"(setvar \"TEXTSIZE\" 5)"), L"5");
    EXPECT_EQ(eval(L"(getvar \"TEXTSIZE\")"), L"5.0");
    EXPECT_NE(evalError(L"(setvar \"TEXTSIZE\" -1.0)"), L"");
    EXPECT_NE(evalError(L"(setvar \"CECOLOR\" 1)"), L"");
    EXPECT_EQ(eval(L"(setvar \"CECOLOR\" \"1\")"), L"\"1\"");
}

}  // namespace
}  // namespace vexa::test
