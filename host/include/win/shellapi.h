// The shell: opening a document or an address with the program registered for it.
#pragma once

#include "win/winuser.h"

// A value above 32 on success (it is no real module handle); 32 or less is an error code.
HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int showCommand);
