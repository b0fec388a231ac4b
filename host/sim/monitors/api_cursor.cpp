// The mouse cursor's place for plug-ins: SetCursorPos moves it as the user would.
#include "sim/host.h"
#include "win/winuser.h"

BOOL SetCursorPos(int x, int y) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    if (host == nullptr) return FALSE;
    host->cursor().place({static_cast<LONG>(x), static_cast<LONG>(y)});
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    if (host == nullptr || point == nullptr) return FALSE;
    *point = host->windows().cursor();
    return TRUE;
}
