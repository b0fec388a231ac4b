// The Windows API in one header, for programs written the plain Win32 way (the restart program).
#pragma once

#include "win/keyboard_input.h"
#include "win/winbase.h"
#include "win/winuser.h"
