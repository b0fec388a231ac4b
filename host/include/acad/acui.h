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

protected:
    // The dialog steps aside for the editor (a selection or a pick at the host's prompt): it is
    // hidden and the host's window takes input. Complete or cancel brings it back as it was,
    // with the focus where it was (unconfirmed which of the host's dialog bases offer these).
    void BeginEditorCommand();
    void CompleteEditorCommand(BOOL restoreDialogs = TRUE);
    void CancelEditorCommand();

private:
    HWND focusBeforeEditor_ = nullptr;
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

// The host's "select objects" button: a push button showing the host's selection bitmap.
class CAcUiSelectButton : public CButton {
public:
    // Loads the host's bitmap onto the button (subclassed first, for example by DDX_Control).
    BOOL AutoLoad();
};
