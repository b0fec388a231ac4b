// The host's dialog classes (the AdUi / AcUi libraries) and its main window.
#pragma once

#include "win/afxcmn.h"
#include "win/afxwin.h"

// The host-styled dialog. A dialog answers the host's keep-focus query (WM_ACAD_KEEPFOCUS,
// 0x7101) in its WindowProc; the base does not answer it (unconfirmed what the host's base does).
class CAdUiBaseDialog : public CDialog {
public:
    // dialogResource: the module holding the template; null takes the current resource module.
    explicit CAdUiBaseDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE dialogResource = nullptr);
    ~CAdUiBaseDialog() override;
};

class CAdUiDialog : public CAdUiBaseDialog {
public:
    explicit CAdUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE dialogResource = nullptr);
    ~CAdUiDialog() override;
};

class CAcUiDialog : public CAdUiDialog {
public:
    explicit CAcUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE dialogResource = nullptr);
    ~CAcUiDialog() override;
};

// The host's main window as a framework object (adsw_acadMainWnd() in acad/acedwinmsg.h is its handle).
CWnd* acedGetAcadFrame();
