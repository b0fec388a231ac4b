// The hook, keyboard, process and message-filter calls, reaching the current host's input.
#include "acad/acedwinmsg.h"
#include "sim/fault_points.h"
#include "sim/host.h"
#include "win/hooks.h"
#include "win/keyboard_input.h"

using vexa::sim::Host;
using vexa::sim::Input;

namespace {

Input* input() {
    Host* host = Host::current();
    return host != nullptr ? &host->input() : nullptr;
}

const vexa::sim::PluginModule* caller() {
    Host* host = Host::current();
    return host != nullptr ? host->messageTarget() : nullptr;
}

}  // namespace

HHOOK SetWindowsHookExW(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
    Input* in = input();
    if (vexa::sim::serviceFails(L"SetWindowsHookExW")) return nullptr;
    return in != nullptr ? in->hooks().install(hookType, procedure, module, threadId, caller()) : nullptr;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    Input* in = input();
    return in != nullptr && in->hooks().remove(hook) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    Input* in = input();
    return in != nullptr ? in->hooks().callNext(hook, code, wParam, lParam) : 0;
}

void keybd_event(BYTE virtualKey, BYTE, DWORD flags, ULONG_PTR) {
    if (Input* in = input()) {
        if ((flags & KEYEVENTF_KEYUP) != 0) in->keyUp(virtualKey, true);
        else in->keyDown(virtualKey, true);
    }
}

DWORD GetCurrentProcessId() { return vexa::sim::OtherPrograms::hostProcessId; }

DWORD GetWindowThreadProcessId(HWND window, DWORD* processId) {
    Input* in = input();
    const auto owner = in != nullptr ? in->otherPrograms().ownerOf(window) : std::nullopt;
    if (processId != nullptr) *processId = owner ? owner->process : 0;
    return owner ? owner->thread : 0;
}

HWND adsw_acadMainWnd() {
    Host* host = Host::current();
    return host != nullptr ? host->windows().mainWindow() : nullptr;
}

SHORT GetKeyState(int virtualKey) {
    Host* host = Host::current();
    const bool down = host != nullptr && virtualKey >= 0 && host->windows().keyDown(static_cast<WPARAM>(virtualKey));
    return static_cast<SHORT>(down ? 0x8000 : 0);
}

BOOL acedRegisterFilterWinMsg(AcedFilterWinMsgFn filter) {
    Input* in = input();
    if (vexa::sim::serviceFails(L"acedRegisterFilterWinMsg")) return FALSE;
    return in != nullptr && in->filters().addFilter(filter, caller()) ? TRUE : FALSE;
}

BOOL acedRemoveFilterWinMsg(AcedFilterWinMsgFn filter) {
    Input* in = input();
    return in != nullptr && in->filters().removeFilter(filter) ? TRUE : FALSE;
}

BOOL acedRegisterWatchWinMsg(AcedWatchWinMsgFn watcher) {
    Input* in = input();
    if (vexa::sim::serviceFails(L"acedRegisterWatchWinMsg")) return FALSE;
    return in != nullptr && in->filters().addWatcher(watcher, caller()) ? TRUE : FALSE;
}

BOOL acedRemoveWatchWinMsg(AcedWatchWinMsgFn watcher) {
    Input* in = input();
    return in != nullptr && in->filters().removeWatcher(watcher) ? TRUE : FALSE;
}
