// The Windows user-interface API on the simulated window system of the current host.
#include "win/commctrl.h"
#include "sim/host.h"
#include "sim/system_variables.h"
#include "sim/win/user32/controls.h"

using vexa::sim::win::WindowSystem;

namespace {

WindowSystem* ws() { return vexa::sim::win::current(); }

vexa::sim::win::Window* window(HWND handle) {
    WindowSystem* system = ws();
    return system ? system->find(handle) : nullptr;
}

}  // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
    WindowSystem* system = ws();
    if (system == nullptr || className == nullptr) return nullptr;
    vexa::sim::win::CreateParams params;
    params.exStyle = exStyle;
    params.className = IS_INTRESOURCE(className) ? L"#" + std::to_wstring(reinterpret_cast<std::uintptr_t>(className)) : className;
    params.text = windowName ? windowName : L"";
    params.style = style;
    if (x == CW_USEDEFAULT) x = y = 100;
    if (width == CW_USEDEFAULT) width = 640, height = 480;
    params.rect = {x, y, x + width, y + height};
    params.parent = parent;
    params.id = (style & WS_CHILD) ? static_cast<int>(reinterpret_cast<std::uintptr_t>(menuOrId)) : 0;
    params.instance = instance;
    params.param = param;
    return system->create(std::move(params));
}

BOOL DestroyWindow(HWND handle) { return ws() && ws()->destroy(handle); }
BOOL IsWindow(HWND handle) { return window(handle) != nullptr; }
ATOM RegisterClassW(const WNDCLASSW* windowClass) { return ws() && windowClass ? ws()->registerClass(*windowClass) : 0; }
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) { return ws() && className && ws()->unregisterClass(className); }

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return ws() ? vexa::sim::win::defaultProcedure(*ws(), handle, message, wParam, lParam) : 0;
}

LRESULT DefDlgProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return ws() ? vexa::sim::win::dialogProcedure(*ws(), handle, message, wParam, lParam) : 0;
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure ? procedure(handle, message, wParam, lParam) : 0;
}

LONG_PTR GetWindowLongPtrW(HWND handle, int index) {
    auto* w = window(handle);
    if (w == nullptr) return 0;
    switch (index) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
        case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->child() ? w->parent : w->owner);
        case GWLP_ID: return w->id;
        case GWL_STYLE: return static_cast<LONG>(w->style);
        case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
        case GWLP_USERDATA: return w->userData;
        default:
            if (w->isDialog && index >= 0 && index <= DWLP_USER && index % static_cast<int>(sizeof(LONG_PTR)) == 0) {
                return w->dialogLongs[static_cast<std::size_t>(index) / sizeof(LONG_PTR)];
            }
            return 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND handle, int index, LONG_PTR value) {
    auto* w = window(handle);
    if (w == nullptr) return 0;
    const LONG_PTR old = GetWindowLongPtrW(handle, index);
    switch (index) {
        case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
        case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); break;
        case GWLP_ID: w->id = static_cast<int>(value); break;
        case GWL_STYLE: w->style = static_cast<DWORD>(value); break;
        case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); break;
        case GWLP_USERDATA: w->userData = value; break;
        default:
            if (w->isDialog && index >= 0 && index <= DWLP_USER && index % static_cast<int>(sizeof(LONG_PTR)) == 0) {
                w->dialogLongs[static_cast<std::size_t>(index) / sizeof(LONG_PTR)] = value;
            }
            break;
    }
    return old;
}

LONG GetWindowLongW(HWND handle, int index) { return static_cast<LONG>(GetWindowLongPtrW(handle, index)); }
LONG SetWindowLongW(HWND handle, int index, LONG value) { return static_cast<LONG>(SetWindowLongPtrW(handle, index, value)); }

int GetClassNameW(HWND handle, LPWSTR buffer, int maxCount) {
    auto* w = window(handle);
    if (w == nullptr || maxCount <= 0) return 0;
    return static_cast<int>(vexa::sim::win::copyText(w->className, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

BOOL ShowWindow(HWND handle, int command) { return ws() && ws()->show(handle, command); }
BOOL EnableWindow(HWND handle, BOOL enable) { return ws() && ws()->enable(handle, enable != FALSE); }
BOOL IsWindowEnabled(HWND handle) { return ws() && ws()->enabled(handle); }
BOOL IsWindowVisible(HWND handle) { return ws() && ws()->visible(handle); }

HWND GetParent(HWND handle) {
    auto* w = window(handle);
    if (w == nullptr) return nullptr;
    return w->child() ? w->parent : w->owner;
}

HWND SetParent(HWND child, HWND newParent) {
    auto* w = window(child);
    if (w == nullptr || ws()->find(newParent) == nullptr) return nullptr;
    const HWND old = w->parent;
    if (auto* parent = ws()->find(old)) std::erase(parent->children, child);
    w->parent = newParent;
    ws()->find(newParent)->children.push_back(child);
    return old;
}

HWND GetDlgItem(HWND dialog, int id) { return ws() ? ws()->childById(dialog, id) : nullptr; }

int GetDlgCtrlID(HWND handle) {
    auto* w = window(handle);
    return w && w->child() ? w->id : 0;
}

BOOL SetWindowTextW(HWND handle, LPCWSTR text) {
    return ws() && ws()->exists(handle) && SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")) != 0;
}

int GetWindowTextW(HWND handle, LPWSTR buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0) return 0;
    buffer[0] = L'\0';
    return static_cast<int>(SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND handle) { return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0)); }
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) { return SetWindowTextW(GetDlgItem(dialog, id), text); }

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int maxCount) {
    return static_cast<UINT>(GetWindowTextW(GetDlgItem(dialog, id), buffer, maxCount));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    const std::wstring text = isSigned ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(value);
    return SetDlgItemTextW(dialog, id, text.c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    const HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return 0;
    const std::wstring text = ws()->text(control);
    std::size_t i = 0;
    while (i < text.size() && text[i] == L' ') ++i;
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == L'-') negative = true, ++i;
    if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return 0;
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > 0xFFFFFFFFLL) return 0;
    }
    while (i < text.size() && text[i] == L' ') ++i;
    if (i != text.size()) return 0;
    if (isSigned && (negative ? -value < -2147483648LL : value > 2147483647LL)) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(negative ? -value : value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    const HWND button = GetDlgItem(dialog, id);
    if (button == nullptr) return FALSE;
    SendMessageW(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    auto* w = window(dialog);
    if (w == nullptr) return FALSE;
    for (HWND child : std::vector<HWND>(w->children)) {
        const int id = GetDlgCtrlID(child);
        if (id >= firstId && id <= lastId) SendMessageW(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    auto* w = window(dialog);
    if (w == nullptr) return nullptr;
    std::vector<HWND> stops;
    for (HWND child : w->children) {
        auto* c = ws()->find(child);
        if (c && c->visibleFlag() && c->enabledFlag() && (c->style & WS_TABSTOP)) stops.push_back(child);
    }
    if (stops.empty()) return nullptr;
    auto at = std::find(stops.begin(), stops.end(), control);
    if (at == stops.end()) return previous ? stops.back() : stops.front();
    if (previous) return at == stops.begin() ? stops.back() : *(at - 1);
    return at + 1 == stops.end() ? stops.front() : *(at + 1);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    auto* w = window(dialog);
    if (w == nullptr) return nullptr;
    const auto& children = w->children;
    auto at = std::find(children.begin(), children.end(), control);
    if (at == children.end()) return nullptr;
    auto first = at;
    while (first != children.begin() && !(ws()->find(*first)->style & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != children.end() && !(ws()->find(*last)->style & WS_GROUP)) ++last;
    std::vector<HWND> group(first, last);
    auto pos = std::find(group.begin(), group.end(), control);
    if (previous) return pos == group.begin() ? group.back() : *(pos - 1);
    return pos + 1 == group.end() ? group.front() : *(pos + 1);
}

LRESULT SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return ws() ? ws()->send(handle, message, wParam, lParam) : 0;
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(GetDlgItem(dialog, id), message, wParam, lParam);
}

BOOL PostMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ws() == nullptr || (handle != nullptr && !ws()->exists(handle))) return FALSE;
    ws()->post(handle, message, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    if (ws()) ws()->postQuit(exitCode);
}

BOOL PeekMessageW(LPMSG message, HWND handle, UINT filterMin, UINT filterMax, UINT removeFlags) {
    return ws() && message && ws()->peek(message, handle, filterMin, filterMax, removeFlags);
}

BOOL GetMessageW(LPMSG message, HWND handle, UINT filterMin, UINT filterMax) {
    if (ws() == nullptr || message == nullptr) return -1;
    return ws()->get(message, handle, filterMin, filterMax) ? TRUE : FALSE;
}

LRESULT DispatchMessageW(const MSG* message) { return ws() && message ? ws()->dispatch(*message) : 0; }
BOOL TranslateMessage(const MSG* message) { return ws() && message && ws()->translate(*message); }

BOOL IsDialogMessageW(HWND dialog, LPMSG message) {
    return ws() && message && ws()->exists(dialog) && ws()->isDialogMessage(dialog, *message);
}

DWORD GetCurrentThreadId() { return 1; }

HWND SetFocus(HWND handle) { return ws() ? ws()->setFocus(handle) : nullptr; }
HWND GetFocus() { return ws() ? ws()->focus() : nullptr; }
HWND GetActiveWindow() { return ws() ? ws()->active() : nullptr; }

HWND SetActiveWindow(HWND handle) {
    if (ws() == nullptr) return nullptr;
    const HWND old = ws()->active();
    ws()->activate(ws()->topLevelOf(handle));
    return old;
}

HWND GetForegroundWindow() { return GetActiveWindow(); }

BOOL SetForegroundWindow(HWND handle) {
    SetActiveWindow(handle);
    return ws() != nullptr && ws()->active() == ws()->topLevelOf(handle);
}

HWND GetDesktopWindow() { return nullptr; }

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return ws() && ws()->setPosition(handle, insertAfter, x, y, width, height, flags);
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
    if (rect == nullptr || window(handle) == nullptr) return FALSE;
    *rect = ws()->windowRect(handle);
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
    if (rect == nullptr || window(handle) == nullptr) return FALSE;
    *rect = ws()->clientRect(handle);
    return TRUE;
}

BOOL ScreenToClient(HWND handle, LPPOINT point) {
    if (point == nullptr || window(handle) == nullptr) return FALSE;
    const POINT origin = ws()->clientOrigin(handle);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND handle, LPPOINT point) {
    if (point == nullptr || window(handle) == nullptr) return FALSE;
    const POINT origin = ws()->clientOrigin(handle);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL MapDialogRect(HWND, LPRECT rect) {
    if (rect == nullptr) return FALSE;
    *rect = WindowSystem::mapDialogRect(*rect);
    return TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT*, BOOL) { return window(handle) != nullptr; }
BOOL UpdateWindow(HWND handle) { return window(handle) != nullptr; }
BOOL RedrawWindow(HWND handle, const RECT*, void*, UINT) { return handle == nullptr || window(handle) != nullptr; }

int GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return WindowSystem::screenSize().x;
    if (index == SM_CYSCREEN) return WindowSystem::screenSize().y;
    return 0;
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC procedure, LPARAM param) {
    if (ws() == nullptr) return -1;
    const HWND dialog = ws()->createDialog(instance, templateName, owner, procedure, param);
    if (dialog == nullptr) return -1;
    const INT_PTR result = ws()->runModal(dialog);
    ws()->destroy(dialog);
    return result;
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC procedure, LPARAM param) {
    if (ws() == nullptr) return nullptr;
    const HWND dialog = ws()->createDialog(instance, templateName, owner, procedure, param);
    if (auto* w = window(dialog)) w->mayOutliveCall = true;
    return dialog;
}

BOOL EndDialog(HWND dialog, INT_PTR result) { return ws() && ws()->endDialog(dialog, result); }

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    if (ws() == nullptr || name == nullptr) return nullptr;
    using vexa::sim::win::ResourceId;
    // The resource compiler stores names in capitals.
    const ResourceId id = IS_INTRESOURCE(name)
                              ? ResourceId::of(static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name)))
                              : ResourceId::of(vexa::sim::upperCase(name));
    const auto bytes = ws()->resources().find(instance, ResourceId::of(vexa::sim::win::RT_BITMAP_ID), id);
    // The handle is the bitmap's data, which lives as long as its module.
    return bytes ? reinterpret_cast<HBITMAP>(const_cast<std::uint8_t*>(bytes->data())) : nullptr;
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int maxCount) {
    if (ws() == nullptr || buffer == nullptr) return 0;
    const auto text = ws()->resources().string(instance, id);
    if (!text) {
        if (maxCount > 0) buffer[0] = L'\0';
        return 0;
    }
    if (maxCount == 0) {
        // The read-only form: a pointer to the resource's own text (kept decoded for the module).
        *reinterpret_cast<const wchar_t**>(buffer) = ws()->resources().stableString(instance, id);
        return static_cast<int>(text->size());
    }
    return static_cast<int>(vexa::sim::win::copyText(*text, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

DWORD GetTickCount() { return ws() ? ws()->now() : 0; }

void Sleep(DWORD milliseconds) {
    if (ws()) ws()->advance(milliseconds);
}

UINT_PTR SetTimer(HWND handle, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    return ws() ? ws()->setTimer(handle, id, elapse, procedure) : 0;
}

BOOL KillTimer(HWND handle, UINT_PTR id) { return ws() && ws()->killTimer(handle, id); }

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (ws() == nullptr) return 0;
    return ws()->messageBox(owner, text ? text : L"", caption ? caption : L"Error", type);
}

BOOL MessageBeep(UINT) { return TRUE; }

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX*) { return TRUE; }
void InitCommonControls() {}
