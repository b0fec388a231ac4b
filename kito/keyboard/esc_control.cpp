#include "kito/keyboard/esc_control.h"

#include "acad/aced.h"
#include "acad/acedwinmsg.h"
#include "frame/plugin_app.h"
#include "win/hooks.h"
#include "win/keyboard_input.h"

namespace vexa::kito {

namespace {

struct EscState {
    int mode = 0;
    int capturedKey = 0;
    bool hostFilter = false;
    HHOOK threadHook = nullptr;
    HHOOK lowLevelHook = nullptr;
    DWORD watchedProcess = 0;
};

EscState state;

DWORD activeProcess() {
    DWORD process = 0;
    GetWindowThreadProcessId(GetActiveWindow(), &process);
    return process;
}

// Drops ESC from the host's own loop without capturing it.
BOOL escFilter(MSG* message) { return message->message == WM_KEYDOWN && message->wParam == escapeKey ? TRUE : FALSE; }

LRESULT CALLBACK threadEscHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || wParam != escapeKey) return CallNextHookEx(state.threadHook, code, wParam, lParam);
    state.capturedKey = escapeKey;
    return 1;
}

LRESULT CALLBACK lowLevelEscHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && wParam == WM_KEYDOWN && key->vkCode == escapeKey &&
        escInReach(state.mode, activeProcess(), state.watchedProcess)) {
        state.capturedKey = escapeKey;
        if (state.mode != 5) return 1;
    }
    return CallNextHookEx(state.lowLevelHook, code, wParam, lParam);
}

}  // namespace

int storedEscMode() { return state.mode; }

void storeEscMode(int mode) { state.mode = mode; }

int capturedKey() { return state.capturedKey; }

void clearCapturedKey() { state.capturedKey = 0; }

bool escInReach(int mode, DWORD activeProcess, DWORD watchedProcess) {
    // Mode 5 only watches, for a LISP routine that polls whether its user wants to stop; an
    // ESC meant for another program must not stop it, so its reach is mode 3's: the host.
    if (mode == 3 || mode == 5) return activeProcess == watchedProcess;
    return mode == 4;
}

void removeAllEscHooks() {
    state.capturedKey = 0;
    if (state.hostFilter) {
        acedRemoveFilterWinMsg(escFilter);
        state.hostFilter = false;
    }
    if (state.threadHook != nullptr) {
        UnhookWindowsHookEx(state.threadHook);
        state.threadHook = nullptr;
    }
    if (state.lowLevelHook != nullptr) {
        UnhookWindowsHookEx(state.lowLevelHook);
        state.lowLevelHook = nullptr;
    }
}

void installEscFilter() {
    removeAllEscHooks();
    state.hostFilter = acedRegisterFilterWinMsg(escFilter) != FALSE;
    if (!state.hostFilter) acutPrintf(L"Can't register Windows Msg hook - ESC\n");
}

void installThreadEscHook() {
    removeAllEscHooks();
    state.threadHook = SetWindowsHookExW(WH_KEYBOARD, threadEscHook, nullptr, GetCurrentThreadId());
    if (state.threadHook == nullptr) acutPrintf(L"Can't register Windows Msg hook - Lower->upper\n");
}

void installLowLevelEscHook() {
    removeAllEscHooks();
    state.watchedProcess = activeProcess();
    state.lowLevelHook = SetWindowsHookExW(WH_KEYBOARD_LL, lowLevelEscHook, frame::theApp().moduleInstance(), 0);
    if (state.lowLevelHook == nullptr) acutPrintf(L"Can't register Windows Msg hook - Lower->upper\n");
}

void resetEscControl() {
    removeAllEscHooks();
    state = EscState{};
}

}  // namespace vexa::kito
