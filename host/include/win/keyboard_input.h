// Keyboard state, injected key events and the processes that own windows.
#pragma once

#include "win/winuser.h"

constexpr DWORD KEYEVENTF_EXTENDEDKEY = 0x0001;
constexpr DWORD KEYEVENTF_KEYUP = 0x0002;

// Mouse-button and modifier flags that come in the wParam of mouse messages.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

constexpr WPARAM VK_LBUTTON = 0x01;
constexpr WPARAM VK_RBUTTON = 0x02;
constexpr WPARAM VK_MBUTTON = 0x04;

// A key event as if typed, passing every hook; counts as injected.
void keybd_event(BYTE virtualKey, BYTE scanCode, DWORD flags, ULONG_PTR extraInfo);
// Bit 15 set while the key is down.
SHORT GetKeyState(int virtualKey);

DWORD GetCurrentProcessId();
// The thread that created the window; its process through processId when not null. 0 for no window.
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);
