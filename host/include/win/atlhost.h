// ActiveX control hosting: the control object behind a window that hosts one.
#pragma once

#include "win/unknwn.h"
#include "win/winuser.h"

// The hosted control's IUnknown, with a reference the caller releases; E_FAIL for a window
// that hosts no control.
HRESULT AtlAxGetControl(HWND window, IUnknown** control);
