// The simulated window system: windows and controls behind handles, messages, focus and
// activation, the thread's message queue, the clock and timers, dialogs and message boxes.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "win/winuser.h"
#include "sim/win/user32/resources.h"

namespace vexa::sim {
class Host;
class PluginModule;
}

namespace vexa::sim::win {

class Window;
class WindowSystem;

// The behaviour of a built-in window class (button, edit, list box …).
class Control {
public:
    virtual ~Control() = default;
    // Handles a message sent to the control; unhandled ones go to DefWindowProc.
    virtual LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The kind and state as the dialog dump prints them, e.g. "edit" and "sel 0-2 number".
    virtual std::wstring kind(const Window& window) const = 0;
    virtual std::wstring state(const Window&) const { return {}; }
    // Entries of lists and combos, tabs of a tab control, rows of a list view.
    virtual std::vector<std::wstring> items() const { return {}; }
    virtual int selection() const { return -1; }
    // Lines that `show` prints below the control's own (a web page's text).
    virtual std::vector<std::wstring> details() const { return {}; }
};

// One window. Child rectangles are in the parent's client coordinates, top-level ones on the screen.
class Window {
public:
    HWND handle = nullptr;
    std::wstring className;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::wstring text;
    RECT rect{};
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children;  // in creation order: z-order and tab order
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR dialogLongs[3] = {0, 0, 0};  // DWLP_MSGRESULT, DWLP_DLGPROC, DWLP_USER
    std::unique_ptr<Control> control;

    // The framework object (CWnd) attached to the window, and a temporary one made on demand.
    void* framework = nullptr;
    std::shared_ptr<void> temporaryWrapper;

    // Dialog state.
    bool isDialog = false;
    bool isMessageBox = false;
    UINT messageBoxType = 0;
    bool dialogEnded = false;
    INT_PTR dialogResult = 0;
    int defaultId = 0;
    HWND lastFocus = nullptr;
    std::wstring templateName;  // the resource the dialog was built from ("143")

    // Audit bookkeeping.
    std::size_t serial = 0;
    const PluginModule* creator = nullptr;
    bool mayOutliveCall = false;
    bool destroyed = false;

    bool child() const { return (style & WS_CHILD) != 0; }
    bool visibleFlag() const { return (style & WS_VISIBLE) != 0; }
    bool enabledFlag() const { return (style & WS_DISABLED) == 0; }
};

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC procedure;
    DWORD due;
};

struct CreateParams {
    DWORD exStyle = 0;
    std::wstring className;
    std::wstring text;
    DWORD style = 0;
    RECT rect{};  // x, y, x + width, y + height
    HWND parent = nullptr;
    int id = 0;
    HINSTANCE instance = nullptr;
    LPVOID param = nullptr;
    // Runs after the window exists and before its first message (the framework attaches here).
    std::function<void(HWND)> beforeFirstMessage;
};

class WindowSystem {
public:
    explicit WindowSystem(Host& host);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    Host& host() { return host_; }

    // Windows.
    HWND create(CreateParams params);
    bool destroy(HWND window);
    Window* find(HWND window);
    const Window* find(HWND window) const;
    bool exists(HWND window) const { return find(window) != nullptr; }
    ATOM registerClass(const WNDCLASSW& windowClass);
    bool unregisterClass(std::wstring_view name);
    WNDPROC classProcedure(std::wstring_view name) const;
    // The host's main window: the owner of message boxes and of dialogs without a parent.
    HWND mainWindow() const { return mainWindow_; }
    HWND topLevelOf(HWND window) const;
    bool isDescendant(HWND ancestor, HWND window) const;
    HWND childById(HWND parent, int id) const;

    LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Sends WM_COMMAND with a notification code to the window's parent, as controls do.
    void notifyParent(HWND control, UINT code);
    LRESULT notifyParent(HWND control, NMHDR& header);

    bool setText(HWND window, std::wstring_view text);
    std::wstring text(HWND window);
    bool show(HWND window, int command);
    bool enable(HWND window, bool enable);
    bool visible(HWND window) const;  // the window and all its ancestors visible
    bool enabled(HWND window) const;
    void setStyle(HWND window, DWORD style);

    // Focus and activation. activate is the one place where a window becomes active: a window
    // hook (WH_CBT, HCBT_ACTIVATE) goes into the activation gate, which may refuse.
    HWND focus() const { return focus_; }
    HWND setFocus(HWND window);
    HWND active() const { return active_; }
    void activate(HWND window);
    void setActivationGate(std::function<bool(HWND)> gate) { activationGate_ = std::move(gate); }

    // Geometry.
    RECT windowRect(HWND window) const;  // screen coordinates
    RECT clientRect(HWND window) const;  // 0, 0, width, height
    POINT clientOrigin(HWND window) const;
    RECT frameInsets(const Window& window) const;
    bool setPosition(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
    static POINT screenSize() { return {1920, 1080}; }

    // The thread's message queue.
    void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void postFront(const MSG& message);
    void postQuit(int code);
    bool peek(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT remove);
    bool get(MSG* message, HWND window, UINT filterMin, UINT filterMax);
    LRESULT dispatch(const MSG& message);
    bool translate(const MSG& message);
    bool isDialogMessage(HWND dialog, MSG& message);
    // Takes and handles one waiting message as the host's loop does; false when none waits.
    bool pumpOne();
    void pumpAll();
    // Called with every message the host's own loop takes from the queue, before it is handled
    // (the host's filters and watchers); a modal dialog's loop does not call it.
    void setQueueObserver(std::function<bool(MSG&)> observer) { queueObserver_ = std::move(observer); }
    // Called with every message any loop removes from the queue; false drops it (the thread's keyboard hook).
    void setTakeHook(std::function<bool(const MSG&)> hook) { takeHook_ = std::move(hook); }
    // Which loop takes messages now: the host's own (true, the default) or a modal dialog's.
    // Returns the previous state, for the loop to put back when it ends.
    bool setHostLoop(bool running) { return std::exchange(hostLoop_, running); }

    // The mouse pointer on the screen; posted messages carry it as their pt, as GetMessage gives it.
    POINT cursor() const { return cursor_; }
    void setCursor(POINT screen) { cursor_ = screen; }

    // Keyboard state kept by the scripted user's key presses.
    bool keyDown(WPARAM virtualKey) const { return virtualKey < 256 && keys_[virtualKey]; }
    void setKey(WPARAM virtualKey, bool down) {
        if (virtualKey < 256) keys_[virtualKey] = down;
    }

    // The clock and timers. advance lets time pass without taking messages (Sleep);
    // wait lets it pass while the message loop runs, so timers fire in time order.
    DWORD now() const { return now_; }
    void advance(DWORD milliseconds);
    // Something another program does at a time of the clock (closing its window, say); it
    // happens when a Sleep passes that time.
    void at(DWORD time, std::function<void()> happening);
    void wait(DWORD milliseconds);
    UINT_PTR setTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
    bool killTimer(HWND window, UINT_PTR id);
    const std::vector<Timer>& timers() const { return timers_; }

    // Dialogs.
    ResourceLibrary& resources() { return resources_; }
    // Builds a dialog from the template `name` of `instance`'s resources; null (with an
    // audit fault) when the module has no such template.
    HWND createDialog(HINSTANCE instance, LPCWSTR name, HWND owner, DLGPROC procedure, LPARAM param,
                      std::function<void(HWND)> beforeFirstMessage = {});
    // Runs the modal loop of a dialog until it ends; the scripted user acts while it waits.
    INT_PTR runModal(HWND dialog);
    bool endDialog(HWND dialog, INT_PTR result);
    const std::vector<HWND>& modalDialogs() const { return modal_; }
    // The dialog the scripted user sees: the innermost modal dialog, else the active dialog.
    HWND userDialog() const;
    int messageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type);
    // Windows assume an owner: the active window of the thread, else the main window.
    HWND defaultOwner() const;

    // Dialog units to pixels for the dialogs' font.
    static RECT mapDialogRect(const RECT& units);

    // Audits: windows created since a mark that are still alive and not allowed to outlive a call.
    std::size_t serialMark() const { return nextSerial_; }
    std::vector<HWND> survivorsSince(std::size_t mark) const;
    std::size_t orphanedTimers() const { return orphanedTimers_; }
    // Destroys the windows a plug-in made, before its module goes away; returns their titles.
    std::vector<std::wstring> destroyWindowsOf(const PluginModule* module);

    std::wstring describe(HWND window) const;
    std::vector<HWND> windows() const;

private:
    friend class DialogBuilder;
    void release(Window& window);
    void collect();
    const Control* controlOf(HWND window) const;
    void deliverFocusChange(HWND from, HWND to);

    Host& host_;
    ResourceLibrary resources_;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> graveyard_;
    int dispatchDepth_ = 0;
    std::size_t nextSerial_ = 1;
    std::map<std::wstring, WNDCLASSW> classes_;
    std::map<std::wstring, std::wstring> classNames_;
    HWND mainWindow_ = nullptr;
    HWND focus_ = nullptr;
    HWND active_ = nullptr;
    std::function<bool(HWND)> activationGate_;
    std::function<bool(MSG&)> queueObserver_;
    std::function<bool(const MSG&)> takeHook_;
    std::deque<MSG> queue_;
    bool hostLoop_ = true;
    bool quitPosted_ = false;
    int quitCode_ = 0;
    bool keys_[256] = {};
    POINT cursor_{0, 0};
    DWORD now_ = 1000;
    std::vector<Timer> timers_;
    std::multimap<DWORD, std::function<void()>> happenings_;
    UINT_PTR nextTimerId_ = 1;
    std::size_t orphanedTimers_ = 0;
    std::vector<HWND> modal_;
};

// Upper-cases the way the list controls compare texts (case-insensitive, locale-free).
std::wstring foldCase(std::wstring_view text);
bool startsWithFolded(std::wstring_view text, std::wstring_view prefix);
// A caption without its mnemonic ampersands ("&Yes" → "Yes").
std::wstring withoutMnemonic(std::wstring_view text);

// The window system of the current host.
WindowSystem* current();

}  // namespace vexa::sim::win
