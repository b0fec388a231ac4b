// The internet cache of the machine, as the plug-ins reach it (real Windows values).
#pragma once

#include "win/winuser.h"

// TRUE when a cached copy of the address was removed; FALSE when there was none.
BOOL WINAPI DeleteUrlCacheEntryW(LPCWSTR url);
