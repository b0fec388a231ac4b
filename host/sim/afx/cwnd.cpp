// CWnd: the framework object of a window, its message dispatch and its HWND-level operations.
#include <vector>

#include "sim/host.h"
#include "win/afxcmn.h"

using vexa::sim::win::Window;
using vexa::sim::win::WindowSystem;

namespace {

WindowSystem* ws() { return vexa::sim::win::current(); }

// The messages being handled, innermost last, for Default().
std::vector<MSG>& currentMessages() {
    static std::vector<MSG> stack;
    return stack;
}

// A temporary wrapper of the framework class that matches the window's class.
CWnd* makeWrapper(const std::wstring& className) {
    const std::wstring name = vexa::sim::win::foldCase(className);
    if (name == L"BUTTON") return new CButton;
    if (name == L"EDIT") return new CEdit;
    if (name == L"STATIC") return new CStatic;
    if (name == L"LISTBOX") return new CListBox;
    if (name == L"COMBOBOX") return new CComboBox;
    if (name == L"MSCTLS_TRACKBAR32") return new CSliderCtrl;
    if (name == L"MSCTLS_PROGRESS32") return new CProgressCtrl;
    if (name == L"SYSLISTVIEW32") return new CListCtrl;
    if (name == L"SYSTABCONTROL32") return new CTabCtrl;
    if (name == L"SCROLLBAR") return new CScrollBar;
    return new CWnd;
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = CWnd::FromHandlePermanent(window);
    if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    currentMessages().push_back({window, message, wParam, lParam, 0, {0, 0}});
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    currentMessages().pop_back();
    return result;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // A window still attached goes with its object, as the framework does.
    if (m_hWnd != nullptr && permanent_ && ws() != nullptr && ws()->exists(m_hWnd)) {
        const HWND window = m_hWnd;
        Detach();
        ::DestroyWindow(window);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    Window* found = ws() ? ws()->find(window) : nullptr;
    return found ? static_cast<CWnd*>(found->framework) : nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
    if (window == nullptr) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(window)) return permanent;
    Window* found = ws() ? ws()->find(window) : nullptr;
    if (found == nullptr) return nullptr;
    if (!found->temporaryWrapper) {
        CWnd* wrapper = makeWrapper(found->className);
        wrapper->m_hWnd = window;
        found->temporaryWrapper = std::shared_ptr<void>(wrapper, [](void* p) {
            auto* object = static_cast<CWnd*>(p);
            object->m_hWnd = nullptr;
            delete object;
        });
    }
    return static_cast<CWnd*>(found->temporaryWrapper.get());
}

BOOL CWnd::Attach(HWND window) {
    Window* found = ws() ? ws()->find(window) : nullptr;
    if (found == nullptr || found->framework != nullptr) return FALSE;
    found->framework = this;
    m_hWnd = window;
    permanent_ = true;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND window = m_hWnd;
    if (Window* found = ws() ? ws()->find(window) : nullptr; found && found->framework == this) found->framework = nullptr;
    m_hWnd = nullptr;
    permanent_ = false;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (!Attach(window)) return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent != nullptr && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper != nullptr) SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
                    HWND parent, HMENU idOrMenu, LPVOID param) {
    WindowSystem* system = ws();
    if (system == nullptr || className == nullptr) return FALSE;
    vexa::sim::win::CreateParams params;
    params.exStyle = exStyle;
    params.className = className;
    params.text = windowName ? windowName : L"";
    params.style = style;
    params.rect = {x, y, x + width, y + height};
    params.parent = parent;
    params.id = (style & WS_CHILD) ? static_cast<int>(reinterpret_cast<std::uintptr_t>(idOrMenu)) : 0;
    params.param = param;
    params.beforeFirstMessage = [this, system](HWND window) {
        Attach(window);
        Window* found = system->find(window);
        m_pfnSuper = found->proc;
        found->proc = &AfxWndProc;
    };
    return system->create(std::move(params)) != nullptr;
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)));
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const { return ::SendMessageW(m_hWnd, message, wParam, lParam); }
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const { return ::PostMessageW(m_hWnd, message, wParam, lParam); }
LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
}

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
void CWnd::SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
int CWnd::GetWindowText(LPWSTR buffer, int maxCount) const { return ::GetWindowTextW(m_hWnd, buffer, maxCount); }
void CWnd::GetWindowText(std::wstring& text) const { text = GetWindowText(); }
std::wstring CWnd::GetWindowText() const { return ws() ? ws()->text(m_hWnd) : std::wstring{}; }
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
void CWnd::GetDlgItem(int id, HWND* window) const { *window = ::GetDlgItem(m_hWnd, id); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(SetWindowLongPtrW(m_hWnd, GWLP_ID, id)); }
void CWnd::SetDlgItemText(int id, LPCWSTR text) { ::SetDlgItemTextW(m_hWnd, id, text); }
int CWnd::GetDlgItemText(int id, LPWSTR buffer, int maxCount) const {
    return static_cast<int>(::GetDlgItemTextW(m_hWnd, id, buffer, maxCount));
}
int CWnd::GetDlgItemText(int id, std::wstring& text) const {
    text = ws() ? ws()->text(::GetDlgItem(m_hWnd, id)) : std::wstring{};
    return static_cast<int>(text.size());
}
void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}
void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) { ::CheckRadioButton(m_hWnd, firstId, lastId, checkId); }

int CWnd::GetCheckedRadioButton(int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) {
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
    }
    return 0;
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetOwner() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) { ::MoveWindow(m_hWnd, x, y, width, height, repaint); }
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, width, height, flags);
}
void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ScreenToClient(LPRECT rect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
}
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
void CWnd::ClientToScreen(LPRECT rect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    RECT area{0, 0, WindowSystem::screenSize().x, WindowSystem::screenSize().y};
    const HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    if (owner != nullptr && !(GetStyle() & WS_CHILD)) ::GetWindowRect(owner, &area);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ::SetWindowPos(m_hWnd, nullptr, (area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT rect, void* region, UINT flags) { return ::RedrawWindow(m_hWnd, rect, region, flags); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    const DWORD style = GetStyle();
    const DWORD updated = (style & ~remove) | add;
    if (updated == style) return FALSE;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(updated));
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC procedure) { return ::SetTimer(m_hWnd, id, elapse, procedure); }
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

int CWnd::MessageBox(LPCWSTR text, LPCWSTR caption, UINT type) {
    return ::MessageBoxW(m_hWnd, text, caption ? caption : L"AutoCAD", type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(wParam, lParam)) return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(wParam, lParam, &result)) return result;
            break;
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            // The framework hands the scrolling control over as a CScrollBar*, whatever its class.
            auto* bar = reinterpret_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam)));
            if (message == WM_HSCROLL) OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
            else OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
            return 0;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_NCDESTROY: {
            const LRESULT result = DefWindowProc(message, wParam, lParam);
            Detach();
            m_pfnSuper = nullptr;
            PostNcDestroy();  // may delete this
            return result;
        }
        default:
            break;
    }
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
void CWnd::DoDataExchange(CDataExchange*) {}
void CWnd::PostNcDestroy() {}

LRESULT CWnd::Default() {
    const auto& stack = currentMessages();
    if (stack.empty()) return 0;
    const MSG message = stack.back();
    return DefWindowProc(message.message, message.wParam, message.lParam);
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }

int AfxMessageBox(LPCWSTR text, UINT type, UINT) {
    // As the framework's application does: a box without an icon gets the usual one.
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
            case MB_OK:
            case MB_OKCANCEL: type |= MB_ICONEXCLAMATION; break;
            case MB_YESNO:
            case MB_YESNOCANCEL: type |= MB_ICONQUESTION; break;
            default: break;
        }
    }
    WindowSystem* system = ws();
    if (system == nullptr) return 0;
    return ::MessageBoxW(system->defaultOwner(), text, L"AutoCAD", type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
    wchar_t buffer[1024];
    if (LoadStringW(AfxGetResourceHandle(), promptId, buffer, 1024) == 0) buffer[0] = L'\0';
    return AfxMessageBox(buffer, type, helpId);
}

HINSTANCE AfxGetResourceHandle() {
    vexa::sim::Host* host = vexa::sim::Host::current();
    return host ? host->documents().currentResourceHandle() : nullptr;
}

CWnd* AfxGetMainWnd() { return ws() ? CWnd::FromHandle(ws()->mainWindow()) : nullptr; }

CWnd* acedGetAcadFrame() { return AfxGetMainWnd(); }
