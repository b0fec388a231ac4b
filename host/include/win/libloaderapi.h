// Modules of the process: the file a module was loaded from.
#pragma once

#include "win/handles.h"

// The module's Windows path into buffer (size characters with the terminator); the number of
// characters copied, 0 for an unknown module. A path that does not fit is cut to size - 1.
DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD size);
