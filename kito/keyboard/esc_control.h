// The ESC catchers of "Vexa-disableESC" and the key they capture: a host message filter
// (mode 1), a thread keyboard hook (mode 2) or a low-level keyboard hook (modes 3 to 5).
// At most one is installed at a time; the state is process-wide, as the hooks are.
#pragma once

#include "win/winuser.h"

namespace vexa::kito {

constexpr int escapeKey = 27;

int storedEscMode();
void storeEscMode(int mode);

// 0 when empty, else the captured key (27).
int capturedKey();
void clearCapturedKey();

// Each removes every catcher first, so only the one asked for remains.
void removeAllEscHooks();
void installEscFilter();
void installThreadEscHook();
void installLowLevelEscHook();

// Whether an event counts for the low-level hook in a mode, by the process that owns the
// active window now and the process that owned it at installation.
bool escInReach(int mode, DWORD activeProcess, DWORD watchedProcess);

// Removes every catcher and forgets the mode, as at load.
void resetEscControl();

}  // namespace vexa::kito
