#include "sim/input/input.h"

#include "sim/audit_log.h"
#include "sim/plugin_module.h"
#include "sim/win/user32/window_system.h"
#include "win/keyboard_input.h"

namespace vexa::sim {

namespace {

bool isKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

struct ButtonMessages {
    WPARAM virtualKey;
    UINT down;
    UINT up;
};

ButtonMessages messagesOf(MouseButton button) {
    switch (button) {
    case MouseButton::Right: return {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP};
    case MouseButton::Middle: return {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP};
    case MouseButton::Left: break;
    }
    return {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP};
}

// The MK_ flags of mouse messages: the buttons and modifiers down after the event.
WPARAM mouseFlags(const win::WindowSystem& windows) {
    WPARAM flags = 0;
    if (windows.keyDown(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (windows.keyDown(VK_RBUTTON)) flags |= MK_RBUTTON;
    if (windows.keyDown(VK_MBUTTON)) flags |= MK_MBUTTON;
    if (windows.keyDown(VK_SHIFT)) flags |= MK_SHIFT;
    if (windows.keyDown(VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

// The mouse goes to the topmost visible child under the pointer, as on Windows.
HWND windowUnder(const win::WindowSystem& windows, HWND window, POINT screen) {
    const win::Window* parent = windows.find(window);
    if (parent == nullptr) return window;
    for (HWND child : parent->children) {
        const RECT r = windows.windowRect(child);
        if (windows.visible(child) && screen.x >= r.left && screen.x < r.right && screen.y >= r.top && screen.y < r.bottom) {
            return windowUnder(windows, child, screen);
        }
    }
    return window;
}

}  // namespace

Input::Input(win::WindowSystem& windows) : windows_(windows) {
    windows_.setQueueObserver([this](MSG& message) { return hostLoopDrops(message); });
    windows_.setTakeHook([this](const MSG& message) { return threadTakes(message); });
    windows_.setActivationGate([this](HWND window) { return activating(window); });
}

void Input::keyDown(int virtualKey, bool injected) { keyEvent(virtualKey, false, injected); }

void Input::keyUp(int virtualKey, bool injected) { keyEvent(virtualKey, true, injected); }

void Input::pressKey(int virtualKey) {
    keyDown(virtualKey);
    keyUp(virtualKey);
}

void Input::keyInto(HWND target, int virtualKey, bool up, LPARAM packet) { keyEvent(virtualKey, up, false, target, packet); }

void Input::keyEvent(int virtualKey, bool up, bool injected, HWND target, LPARAM packet) {
    if (virtualKey <= 0 || virtualKey > 255) return;
    const auto key = static_cast<WPARAM>(virtualKey);
    // With ALT held (or ALT itself) keys come as system keys.
    const bool system = windows_.keyDown(VK_MENU) || key == VK_MENU;
    const UINT message = up ? (system ? WM_SYSKEYUP : WM_KEYUP) : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);
    KBDLLHOOKSTRUCT record{static_cast<DWORD>(key), 0, (up ? LLKHF_UP : 0u) | (injected ? LLKHF_INJECTED : 0u),
                           windows_.now(), 0};
    if (hooks_.call(WH_KEYBOARD_LL, 0, HC_ACTION, message, reinterpret_cast<LPARAM>(&record)) != 0) return;

    const bool wasDown = windows_.keyDown(key);
    windows_.setKey(key, !up);
    // Repeat count 1, bit 30 the previous state, bit 31 set for a release.
    const auto lParam = static_cast<LPARAM>(1u | (wasDown ? 1u << 30 : 0u) | (up ? 1u << 31 : 0u)) | packet;
    deliver(target != nullptr ? target : keyboardTarget(), message, key, lParam);
}

HWND Input::keyboardTarget() const {
    // Keys go to the focus of the active program; another program's focus is not modelled.
    HWND active = windows_.active();
    if (programs_.owner(active) || windows_.focus() == nullptr) return active;
    return windows_.focus();
}

void Input::mouseButton(MouseButton button, bool down, POINT screen) {
    const ButtonMessages messages = messagesOf(button);
    windows_.setKey(messages.virtualKey, down);
    windows_.setCursor(screen);
    HWND target = windowUnder(windows_, windows_.active() != nullptr ? windows_.active() : windows_.mainWindow(), screen);
    POINT client = screen;
    if (target != nullptr) {
        const POINT origin = windows_.clientOrigin(target);
        client = {screen.x - origin.x, screen.y - origin.y};
    }
    deliver(target, down ? messages.down : messages.up, mouseFlags(windows_),
            MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
}

void Input::click(MouseButton button, POINT screen) {
    mouseButton(button, true, screen);
    mouseButton(button, false, screen);
}

void Input::moveMouse(POINT screen) {
    windows_.setCursor(screen);
    HWND target = windowUnder(windows_, windows_.active() != nullptr ? windows_.active() : windows_.mainWindow(), screen);
    const POINT origin = target != nullptr ? windows_.clientOrigin(target) : POINT{0, 0};
    deliver(target, WM_MOUSEMOVE, mouseFlags(windows_),
            MAKELPARAM(static_cast<WORD>(screen.x - origin.x), static_cast<WORD>(screen.y - origin.y)));
}

void Input::deliver(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (programs_.owner(target)) {
        programs_.receive(target, message, wParam);
        return;
    }
    windows_.post(target, message, wParam, lParam);
}

HWND Input::activateOtherProgram(const std::wstring& program) {
    HWND window = programs_.window(program);
    if (window != nullptr) windows_.activate(window);
    return window;
}

bool Input::threadTakes(const MSG& message) {
    if (!isKeyMessage(message.message)) return true;
    return hooks_.call(WH_KEYBOARD, GetCurrentThreadId(), HC_ACTION, message.wParam, message.lParam) == 0;
}

bool Input::activating(HWND window) {
    const std::optional<WindowOwner> owner = programs_.ownerOf(window);
    if (!owner) return true;
    return hooks_.call(WH_CBT, owner->thread, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(window), 0) == 0;
}

bool Input::hostLoopDrops(MSG& message) {
    if (filters_.drops(message)) return true;
    filters_.watch(message);
    return false;
}

void Input::runHostLoop() { windows_.pumpAll(); }

void Input::releaseLeftovers(const PluginModule& module, AuditLog& audit) {
    for (const HookChains::Hook& hook : hooks_.takeOwnedBy(&module)) {
        audit.record(module.name() + L" left a " + hookTypeName(hook.type) + L" hook installed at unload");
    }
    if (const std::size_t count = filters_.removeOwnedBy(&module); count > 0) {
        audit.record(module.name() + L" left " + std::to_wstring(count) + L" window-message filter(s) or watcher(s) registered at unload");
    }
}

}  // namespace vexa::sim
