// Window hooks: the thread keyboard hook, the low-level keyboard hook and the CBT hook.
#pragma once

#include "win/winuser.h"

struct HHOOK__;
using HHOOK = HHOOK__*;
using HOOKPROC = LRESULT(CALLBACK*)(int code, WPARAM wParam, LPARAM lParam);

constexpr int WH_KEYBOARD = 2;
constexpr int WH_CBT = 5;
constexpr int WH_KEYBOARD_LL = 13;

constexpr int HC_ACTION = 0;
constexpr int HC_NOREMOVE = 3;
constexpr int HCBT_ACTIVATE = 5;

// What a low-level keyboard hook receives in lParam.
struct KBDLLHOOKSTRUCT {
    DWORD vkCode;
    DWORD scanCode;
    DWORD flags;
    DWORD time;
    ULONG_PTR dwExtraInfo;
};
using PKBDLLHOOKSTRUCT = KBDLLHOOKSTRUCT*;

constexpr DWORD LLKHF_EXTENDED = 0x01;
constexpr DWORD LLKHF_INJECTED = 0x10;
constexpr DWORD LLKHF_ALTDOWN = 0x20;
constexpr DWORD LLKHF_UP = 0x80;

// A thread id of 0 asks for every thread; the thread hooks then need a module handle.
HHOOK SetWindowsHookExW(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
