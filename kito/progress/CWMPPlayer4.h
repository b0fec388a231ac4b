// The dispatch wrappers of the media player control and of its settings object.
#pragma once

#include "win/afxdisp.h"
#include "win/afxwin.h"

namespace vexa::kito {

class CWMPSettings : public COleDispatchDriver {
public:
    using COleDispatchDriver::COleDispatchDriver;
    void setMode(LPCWSTR modeName, BOOL value);
};

class CWMPPlayer4 : public CWnd {
public:
    // Setting the address starts playing it.
    void put_URL(LPCWSTR url);
    // A new reference on the settings object (null when the control gives none).
    IDispatch* get_settings();
};

}  // namespace vexa::kito
