// The dispatch wrapper of the web browser control hosted in a dialog.
#pragma once

#include "win/afxdisp.h"
#include "win/afxwin.h"

namespace vexa::kito {

class CExplorer1 : public CWnd {
public:
    // Flags, target frame, post data and headers may each be null (none).
    void Navigate(LPCWSTR url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData, VARIANT* headers);
};

}  // namespace vexa::kito
