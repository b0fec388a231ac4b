// The scripted user's keyboard and mouse, travelling as input does on Windows: the low-level
// hooks see every event first, for every window of every process; what they let through goes
// to the queue of the thread that owns the target window (another program's input never
// reaches the host); the thread's keyboard hook sees a key as the thread takes it from its
// queue; the host's own loop then runs its filters and watchers before the target window gets
// the message. Modal dialogs and functions that drain the queue themselves skip the filters.
// A dropped message goes no further.
//
// Timing: the host is single-threaded and pumps nothing while AutoLISP code runs. An act
// called here happens now: its event passes the low-level hooks at once and waits in the
// queue until someone takes it (a function that drains the queue, a modal loop, or the
// host's own loop, which a test runs to stand for the host waiting for input).
#pragma once

#include <string>

#include "sim/input/hook_chains.h"
#include "sim/input/message_filters.h"
#include "sim/input/other_programs.h"

namespace vexa::sim {

class AuditLog;

namespace win {
class WindowSystem;
}

enum class MouseButton { Left, Right, Middle };

class Input {
public:
    explicit Input(win::WindowSystem& windows);
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    HookChains& hooks() { return hooks_; }
    MessageFilters& filters() { return filters_; }
    OtherPrograms& otherPrograms() { return programs_; }

    // The user's acts, now. Injected keys come from keybd_event.
    void keyDown(int virtualKey, bool injected = false);
    void keyUp(int virtualKey, bool injected = false);
    void pressKey(int virtualKey);
    void mouseButton(MouseButton button, bool down, POINT screen);
    void click(MouseButton button, POINT screen);
    // The pointer moves to a screen position: WM_MOUSEMOVE to the window under it.
    void moveMouse(POINT screen);
    // A key typed into a window of the host (a dialog's control), on the same path as every key;
    // packet carries the character of a VK_PACKET key in the lParam's high half.
    void keyInto(HWND target, int virtualKey, bool up, LPARAM packet = 0);
    // Makes the window of another program (opened on first use) the active one.
    HWND activateOtherProgram(const std::wstring& program);

    // The host's own message loop: takes every waiting message through the filters and watchers.
    void runHostLoop();

    // Removes what an unloading plug-in left registered, recording each as a fault.
    void releaseLeftovers(const PluginModule& module, AuditLog& audit);

private:
    void keyEvent(int virtualKey, bool up, bool injected, HWND target = nullptr, LPARAM packet = 0);
    HWND keyboardTarget() const;
    void deliver(HWND target, UINT message, WPARAM wParam, LPARAM lParam);
    bool threadTakes(const MSG& message);
    bool hostLoopDrops(MSG& message);
    bool activating(HWND window);

    win::WindowSystem& windows_;
    HookChains hooks_;
    MessageFilters filters_;
    OtherPrograms programs_;
};

}  // namespace vexa::sim
