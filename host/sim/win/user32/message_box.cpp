// Message boxes as Windows builds them: a dialog window with a text, an icon and standard
// buttons whose ids are the results, so that hooks see their activation and can relabel them.
#include "sim/host.h"
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

std::vector<int> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK: return {IDOK};
        case MB_OKCANCEL: return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO: return {IDYES, IDNO};
        case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
        case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
        default: return {};
    }
}

const wchar_t* labelOf(int id) {
    switch (id) {
        case IDOK: return L"OK";
        case IDCANCEL: return L"Cancel";
        case IDABORT: return L"&Abort";
        case IDRETRY: return L"&Retry";
        case IDIGNORE: return L"&Ignore";
        case IDYES: return L"&Yes";
        case IDNO: return L"&No";
        case IDTRYAGAIN: return L"&Try Again";
        case IDCONTINUE: return L"&Continue";
        case IDHELP: return L"Help";
        default: return L"";
    }
}

// The button ids 1 … 11 that the box has.
bool hasButton(WindowSystem& system, HWND box, int id) { return system.childById(box, id) != nullptr; }

LRESULT CALLBACK messageBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem* system = current();
    if (system == nullptr) return 0;
    if (message == WM_COMMAND && (HIWORD(wParam) == BN_CLICKED || lParam == 0)) {
        const int id = LOWORD(wParam);
        const Window* window = system->find(box);
        if (window == nullptr || id == IDHELP) return 0;
        if (id == IDCANCEL && !hasButton(*system, box, IDCANCEL)) {
            // ESC and the close box give IDCANCEL only with a Cancel button; a lone OK answers
            // IDOK; Yes/No and Abort/Retry/Ignore boxes ignore them.
            if ((window->messageBoxType & MB_TYPEMASK) == MB_OK) system->endDialog(box, IDOK);
            return 0;
        }
        if (hasButton(*system, box, id)) system->endDialog(box, id);
        return 0;
    }
    return DefDlgProcW(box, message, wParam, lParam);
}

}  // namespace

int WindowSystem::messageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type) {
    std::vector<int> buttons = buttonsOf(type);
    if (buttons.empty()) return 0;
    if (type & MB_HELP) buttons.push_back(IDHELP);
    if (owner != nullptr && !exists(owner)) return 0;
    if (classProcedure(L"#32770MessageBox") == nullptr) {
        registerClass({0, messageBoxProcedure, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"#32770MessageBox"});
    }

    // Layout in pixels, in the manner of the system's boxes: icon, text, a row of 75 x 23 buttons.
    std::size_t longest = 0;
    std::size_t lines = 1;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(L'\n', start);
        longest = std::max(longest, (end == std::wstring_view::npos ? text.size() : end) - start);
        if (end == std::wstring_view::npos) break;
        ++lines;
        start = end + 1;
    }
    const bool icon = (type & MB_ICONMASK) != 0;
    const LONG textLeft = icon ? 63 : 15;
    const LONG textWidth = static_cast<LONG>(std::min<std::size_t>(longest, 80) * 6);
    const LONG textHeight = static_cast<LONG>(lines * 13);
    const LONG buttonRow = static_cast<LONG>(buttons.size()) * 81 + 15;
    const LONG clientWidth = std::max(textLeft + textWidth + 15, buttonRow + 15);
    const LONG textBottom = std::max<LONG>(icon ? 57 : 26 + textHeight, 26 + textHeight);
    const LONG clientHeight = textBottom + 50;

    CreateParams params;
    params.className = L"#32770MessageBox";
    params.text = caption;
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    params.parent = owner;
    Window probe;
    probe.style = params.style;
    const RECT insets = frameInsets(probe);
    const LONG width = clientWidth + insets.left + insets.right;
    const LONG height = clientHeight + insets.top + insets.bottom;
    const LONG x = (screenSize().x - width) / 2;
    const LONG y = (screenSize().y - height) / 2;
    params.rect = {x, y, x + width, y + height};
    params.beforeFirstMessage = [type](HWND handle) {
        Window* window = current()->find(handle);
        window->isDialog = true;
        window->isMessageBox = true;
        window->className = L"#32770";  // what GetClassNameW reports for a message box
        window->messageBoxType = type;
    };
    const HWND box = create(std::move(params));
    if (box == nullptr) return 0;

    auto child = [&](const wchar_t* cls, std::wstring label, DWORD style, int id, RECT rect) {
        CreateParams control;
        control.className = cls;
        control.text = std::move(label);
        control.style = style | WS_CHILD | WS_VISIBLE;
        control.parent = box;
        control.id = id;
        control.rect = rect;
        return create(std::move(control));
    };
    if (icon) child(L"Static", L"", SS_ICON, 20, {26, 26, 58, 58});
    child(L"Static", std::wstring(text), SS_LEFT | SS_NOPREFIX, 0xFFFF, {textLeft, 26, textLeft + textWidth, 26 + textHeight});
    std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    if (defaultIndex >= buttons.size()) defaultIndex = 0;
    LONG left = clientWidth - static_cast<LONG>(buttons.size()) * 81 - 4;
    HWND defaultButton = nullptr;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const DWORD style = WS_TABSTOP | (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (i == 0 ? WS_GROUP : 0);
        const HWND button = child(L"Button", labelOf(buttons[i]), style, buttons[i],
                                  {left, clientHeight - 35, left + 75, clientHeight - 12});
        if (i == defaultIndex) defaultButton = button;
        left += 81;
    }
    find(box)->lastFocus = defaultButton;
    setFocus(defaultButton);
    const INT_PTR result = runModal(box);
    destroy(box);
    return static_cast<int>(result);
}

}  // namespace vexa::sim::win
