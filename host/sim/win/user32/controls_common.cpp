// What all controls share: the class procedure, DefWindowProc, the edit buffer and the string list.
#include <algorithm>
#include <cwctype>

#include "sim/win/ole32/activex_host.h"
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

// Case-insensitive ordinal order, the order sorted lists keep here (Windows uses the user's
// locale collation; for the plug-ins' layer names and numbers the two agree).
int compareFolded(std::wstring_view a, std::wstring_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = std::towupper(static_cast<wint_t>(a[i]));
        const auto y = std::towupper(static_cast<wint_t>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

bool isControlClass(std::wstring_view name) {
    return name == L"BUTTON" || name == L"EDIT" || name == L"STATIC" || name == L"LISTBOX" || name == L"COMBOBOX" ||
           name == L"MSCTLS_TRACKBAR32" || name == L"MSCTLS_PROGRESS32" || name == L"SYSLISTVIEW32" ||
           name == L"SYSTABCONTROL32" || isActiveXClass(name);
}

std::unique_ptr<Control> makeControl(std::wstring_view name) {
    if (name == L"BUTTON") return makeButton();
    if (name == L"EDIT") return makeEdit();
    if (name == L"STATIC") return makeStatic();
    if (name == L"LISTBOX") return makeListBox();
    if (name == L"COMBOBOX") return makeComboBox();
    if (name == L"MSCTLS_TRACKBAR32") return makeTrackbar();
    if (name == L"MSCTLS_PROGRESS32") return makeProgress();
    if (name == L"SYSLISTVIEW32") return makeListView();
    if (name == L"SYSTABCONTROL32") return makeTabControl();
    return makeActiveXControl(name);
}

LRESULT CALLBACK controlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem* system = current();
    if (system == nullptr) return 0;
    Window* found = system->find(window);
    if (found == nullptr) return 0;
    if (found->control == nullptr) return defaultProcedure(*system, window, message, wParam, lParam);
    return found->control->handle(*system, window, message, wParam, lParam);
}

LRESULT copyText(std::wstring_view text, WPARAM size, LPARAM buffer) {
    if (size == 0 || buffer == 0) return 0;
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::copy_n(text.begin(), count, out);
    out[count] = L'\0';
    return static_cast<LRESULT>(count);
}

LRESULT defaultProcedure(WindowSystem& system, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = system.find(handle);
    if (window == nullptr) return 0;
    switch (message) {
        case WM_NCCREATE:
            return TRUE;
        case WM_SETTEXT:
            window->text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
            return TRUE;
        case WM_GETTEXT:
            return copyText(window->text, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_CLOSE:
            system.destroy(handle);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) system.send(handle, WM_CLOSE, 0, 0);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != 0 && !window->child() && !system.isDescendant(handle, system.focus())) {
                system.setFocus(handle);
            }
            return 0;
        case WM_NOTIFY:
        case WM_COMMAND:
            return 0;
        default:
            return 0;
    }
}

void EditBuffer::select(long start, long end) {
    const long length = static_cast<long>(text.size());
    if (start == -1) {
        selStart = selEnd;  // deselects, keeping the caret
        return;
    }
    if (end < 0 || end > length) end = length;
    if (start < 0 || start > length) start = length;
    selStart = static_cast<std::size_t>(start);
    selEnd = static_cast<std::size_t>(end);
}

void EditBuffer::setText(std::wstring_view value) {
    text = value;
    selStart = selEnd = 0;
}

bool EditBuffer::replaceSelection(std::wstring_view replacement) {
    const std::size_t from = low();
    const std::size_t to = high();
    if (text.size() - (to - from) + replacement.size() > limit) return false;
    text.replace(from, to - from, replacement);
    selStart = selEnd = from + replacement.size();
    return true;
}

bool EditBuffer::type(wchar_t character) {
    if (readOnly) return false;
    if (character == L'\b') {
        if (low() == high()) {
            if (low() == 0) return false;
            selStart = low() - 1;
            selEnd = high();
        }
        return replaceSelection(L"");
    }
    if (character == L'\r' && multiline) return replaceSelection(L"\r\n");
    if (character < 32 && character != L'\t') return false;
    if (character == L'\t' && !multiline) return false;
    // ES_NUMBER accepts digits only, whatever the locale.
    if (numbersOnly && !(character >= L'0' && character <= L'9')) return false;
    if (upperCase) character = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character)));
    if (lowerCase) character = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(character)));
    return replaceSelection(std::wstring(1, character));
}

bool EditBuffer::key(WPARAM virtualKey, bool shift) {
    const std::size_t length = text.size();
    auto moveCaret = [&](std::size_t to) {
        selEnd = to;
        if (!shift) selStart = to;
    };
    switch (virtualKey) {
        case VK_DELETE:
            if (readOnly) return false;
            if (low() == high()) {
                if (high() >= length) return false;
                selStart = low();
                selEnd = low() + 1;
            }
            return replaceSelection(L"");
        case VK_LEFT:
            moveCaret(selEnd > 0 ? selEnd - 1 : 0);
            return false;
        case VK_RIGHT:
            moveCaret(std::min(length, selEnd + 1));
            return false;
        case VK_HOME:
            moveCaret(0);
            return false;
        case VK_END:
            moveCaret(length);
            return false;
        default:
            return false;
    }
}

namespace {

void keepAfterInsert(int index, int& current) {
    if (index >= 0 && current >= index) ++current;
}

}  // namespace

int StringList::add(std::wstring text, int& current) {
    if (!sorted) return insert(-1, std::move(text), current);
    // Binary search for the place after every entry that sorts equal or lower.
    std::size_t low = 0;
    std::size_t high = items.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (compareFolded(text, items[middle].text) < 0) high = middle;
        else low = middle + 1;
    }
    items.insert(low, Item{std::move(text)});
    keepAfterInsert(static_cast<int>(low), current);
    return static_cast<int>(low);
}

int StringList::insert(int index, std::wstring text, int& current) {
    if (index == -1 || index == count()) {
        items.insert(items.size(), Item{std::move(text)});
        keepAfterInsert(count() - 1, current);
        return count() - 1;
    }
    if (!valid(index)) return -1;
    items.insert(static_cast<std::size_t>(index), Item{std::move(text)});
    keepAfterInsert(index, current);
    return index;
}

bool StringList::remove(int index, int& current) {
    if (!valid(index)) return false;
    items.erase(static_cast<std::size_t>(index));
    if (current == index) current = -1;
    else if (current > index) --current;
    return true;
}

LRESULT StringList::reserve(WPARAM more) {
    items.reserve(items.size() + more);
    return static_cast<LRESULT>(items.capacity());
}

LRESULT StringList::copyItemText(int index, LPARAM buffer) const {
    if (!valid(index) || buffer == 0) return -1;
    const std::wstring& text = items[static_cast<std::size_t>(index)].text;
    return copyText(text, text.size() + 1, buffer);
}

LRESULT StringList::itemTextLength(int index) const {
    return valid(index) ? static_cast<LRESULT>(items[static_cast<std::size_t>(index)].text.size()) : -1;
}

LRESULT StringList::setItemData(int index, LPARAM data) {
    if (!valid(index)) return -1;
    items[static_cast<std::size_t>(index)].data = data;
    return TRUE;
}

LRESULT StringList::itemData(int index) const {
    return valid(index) ? items[static_cast<std::size_t>(index)].data : -1;
}

int StringList::findPrefix(int after, std::wstring_view prefix) const {
    const int n = count();
    if (n == 0) return -1;
    const int start = (after < -1 || after >= n) ? 0 : after + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (startsWithFolded(items[static_cast<std::size_t>(i)].text, prefix)) return i;
    }
    return -1;
}

int StringList::findExact(int after, std::wstring_view text) const {
    const int n = count();
    if (n == 0) return -1;
    const int start = (after < -1 || after >= n) ? 0 : after + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (compareFolded(items[static_cast<std::size_t>(i)].text, text) == 0) return i;
    }
    return -1;
}

}  // namespace vexa::sim::win
