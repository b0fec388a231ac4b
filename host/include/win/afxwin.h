// The GUI framework's window and dialog classes as far as the plug-ins use them: CWnd and the
// standard control wrappers, dialog data exchange, CDialog, message boxes. Strings are std::wstring.
//
// Message maps are replaced by virtual dispatch: a class overrides WindowProc for any message,
// OnCommand for WM_COMMAND (BN_CLICKED, EN_CHANGE, LBN_SELCHANGE … in one switch), OnNotify for
// WM_NOTIFY, and the few handlers below (OnHScroll, OnTimer …). Unhandled messages go to
// DefWindowProc (for a dialog, the dialog manager's default procedure).
#pragma once

#include <string>

#include "win/oaidl.h"
#include "win/winuser.h"

class CWnd;
class CScrollBar;
class CDataExchange;

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
};

// A window: wraps an HWND; permanently attached objects receive the window's messages.
class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a window, else a temporary wrapper of the control's class
    // (CButton for a button …) that lives as long as the window.
    static CWnd* FromHandle(HWND window);
    static CWnd* FromHandlePermanent(HWND window);
    BOOL Attach(HWND window);
    HWND Detach();
    // Routes the window's messages through this object, the old procedure kept as the default.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                          int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        void* context = nullptr);
    virtual BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    BOOL ShowWindow(int command);
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void SetWindowText(LPCWSTR text);
    void SetWindowText(const std::wstring& text) { SetWindowText(text.c_str()); }
    int GetWindowText(LPWSTR buffer, int maxCount) const;
    void GetWindowText(std::wstring& text) const;
    std::wstring GetWindowText() const;
    int GetWindowTextLength() const;

    CWnd* GetDlgItem(int id) const;
    void GetDlgItem(int id, HWND* window) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    void SetDlgItemText(int id, LPCWSTR text);
    void SetDlgItemText(int id, const std::wstring& text) { SetDlgItemText(id, text.c_str()); }
    int GetDlgItemText(int id, LPWSTR buffer, int maxCount) const;
    int GetDlgItemText(int id, std::wstring& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId);

    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;

    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC procedure = nullptr);
    BOOL KillTimer(UINT_PTR id);
    int MessageBox(LPCWSTR text, LPCWSTR caption = nullptr, UINT type = MB_OK);

    // Calls a member of the ActiveX control this window hosts (see AfxInvokeDispatch in
    // win/afxdisp.h for the parameter strings); a window without a control does nothing.
    void InvokeHelper(DISPID member, WORD flags, VARTYPE resultType, void* result, const BYTE* parameters, ...);

    // Dialog data exchange: TRUE reads the controls into the members (and validates), FALSE writes them.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Every message of an attached window arrives here first.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: LOWORD(wParam) the id, HIWORD(wParam) the notification, lParam the control.
    // Return TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: lParam points to the NMHDR; set *result and return TRUE when handled.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* message);
    virtual void DoDataExchange(CDataExchange* dx);
    // Once a control is subclassed (DDX_Control): where a control class fills itself.
    virtual void PreSubclassWindow() {}
    // After the window is gone (a modeless dialog on the heap deletes itself here).
    virtual void PostNcDestroy();
    // WM_HSCROLL / WM_VSCROLL: `bar` is the control that scrolled; a slider arrives as its
    // CSliderCtrl object (compare with &m_slider, or cast to CSliderCtrl*).
    virtual void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    virtual void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnSize(UINT type, int width, int height);
    virtual void OnShowWindow(BOOL show, UINT status);

protected:
    // The message being handled, passed on to DefWindowProc.
    LRESULT Default();

    WNDPROC m_pfnSuper = nullptr;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;
    bool permanent_ = false;
};

// The procedure of windows attached to framework objects.
LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class CScrollBar : public CWnd {};

class CStatic : public CWnd {
public:
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

// A button drawn with bitmaps named after its text: TEXT + "U" (up) and TEXT + "D" (down).
class CBitmapButton : public CButton {
public:
    BOOL LoadBitmaps(LPCWSTR up, LPCWSTR down = nullptr);
    // Subclasses the dialog's button and loads the bitmaps its text names.
    BOOL AutoLoad(UINT id, CWnd* parent);
    HBITMAP upBitmap() const { return up_; }
    HBITMAP downBitmap() const { return down_; }

private:
    HBITMAP up_ = nullptr;
    HBITMAP down_ = nullptr;
};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void ReplaceSel(LPCWSTR text, BOOL canUndo = FALSE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars);
    UINT GetLimitText() const;
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    int LineLength(int charIndex = -1) const;
    int GetLine(int index, LPWSTR buffer, int maxLength) const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    void Clear();
    void Cut();
};

class CListBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int select);
    int GetText(int index, LPWSTR buffer) const;
    void GetText(int index, std::wstring& text) const;
    int GetTextLen(int index) const;
    int AddString(LPCWSTR item);
    int InsertString(int index, LPCWSTR item);
    int DeleteString(UINT index);
    void ResetContent();
    int FindString(int startAfter, LPCWSTR item) const;
    int FindStringExact(int startAfter, LPCWSTR item) const;
    int SelectString(int startAfter, LPCWSTR item);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int maxItems, LPINT items) const;
    int SetTopIndex(int index);
    int GetTopIndex() const;
    int InitStorage(int items, UINT bytes);
};

class CComboBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int select);
    int GetLBText(int index, LPWSTR buffer) const;
    void GetLBText(int index, std::wstring& text) const;
    int GetLBTextLen(int index) const;
    int AddString(LPCWSTR item);
    int InsertString(int index, LPCWSTR item);
    int DeleteString(UINT index);
    void ResetContent();
    int FindString(int startAfter, LPCWSTR item) const;
    int FindStringExact(int startAfter, LPCWSTR item) const;
    int SelectString(int startAfter, LPCWSTR item);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    BOOL LimitText(int maxChars);
    BOOL SetEditSel(int start, int end);
    DWORD GetEditSel() const;
    int InitStorage(int items, UINT bytes);
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
class CUserException {};

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Puts the focus back on the last prepared control (selecting an edit's text) and throws.
    [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange* dx, int id, std::wstring& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, short& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// id is the first radio button of its group (the one with WS_GROUP); value its index, -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_CBString(CDataExchange* dx, int id, std::wstring& value);
void DDX_CBStringExact(CDataExchange* dx, int id, std::wstring& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, std::wstring& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_Slider(CDataExchange* dx, int id, int& value);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minimum, UINT maximum);
void DDV_MinMaxLong(CDataExchange* dx, long value, long minimum, long maximum);
void DDV_MinMaxShort(CDataExchange* dx, short value, short minimum, short maximum);
void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minimum, double maximum);
void DDV_MinMaxFloat(CDataExchange* dx, const float& value, float minimum, float maximum);
void DDV_MaxChars(CDataExchange* dx, const std::wstring& value, int count);

// A dialog built from a template of the resource module that is current when the object is
// constructed (the top of the document manager's resource-handle stack).
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCWSTR templateName, CWnd* parent = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the dialog cannot be built.
    virtual INT_PTR DoModal();
    // Modeless: the window lives until DestroyWindow, across AutoLISP calls.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCWSTR templateName, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    // The module whose template builds the dialog (null: the current one at DoModal / Create).
    HINSTANCE m_hDialogResource = nullptr;

private:
    HWND build(CWnd* parent, bool modeless);
    UINT templateId_ = 0;
    std::wstring templateName_;
    int modalResult_ = -1;
};

// Message boxes owned by the active window, titled with the application's name ("AutoCAD").
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
// The current resource module: the top of the document manager's resource-handle stack.
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();

// A window that shows a document (the host's drawing view).
class CView : public CWnd {};
