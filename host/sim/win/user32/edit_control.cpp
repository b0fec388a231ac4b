// Edit controls: single and multi-line, read-only, digits only, selection and caret, EN_CHANGE.
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"

namespace vexa::sim::win {

namespace {

class EditControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        Window& window = *system.find(self);
        switch (message) {
            case WM_CREATE:
                buffer_.text = window.text;
                buffer_.multiline = (window.style & ES_MULTILINE) != 0;
                buffer_.readOnly = (window.style & ES_READONLY) != 0;
                buffer_.numbersOnly = (window.style & ES_NUMBER) != 0;
                buffer_.upperCase = (window.style & ES_UPPERCASE) != 0;
                buffer_.lowerCase = (window.style & ES_LOWERCASE) != 0;
                return 0;
            case WM_SETTEXT:
                buffer_.setText(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
                window.text = buffer_.text;
                modified_ = false;
                // Windows sends EN_CHANGE for a programmatic text change too, except to a
                // multi-line edit (documented with EN_CHANGE).
                if (!buffer_.multiline) changed(system, self);
                return TRUE;
            case WM_GETTEXT:
                return copyText(buffer_.text, wParam, lParam);
            case WM_GETTEXTLENGTH:
                return static_cast<LRESULT>(buffer_.text.size());
            case WM_GETDLGCODE: {
                UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
                // The in-place editor of a list view label takes Enter and ESC itself.
                if (labelEditor(system, window)) code |= DLGC_WANTALLKEYS;
                else if (buffer_.multiline && (window.style & ES_WANTRETURN)) {
                    const auto* message = reinterpret_cast<const MSG*>(lParam);
                    if (message == nullptr || message->wParam == VK_RETURN) code |= DLGC_WANTALLKEYS;
                }
                return code;
            }
            case WM_CHAR: {
                const auto character = static_cast<wchar_t>(wParam);
                if (character == L'\r' && !buffer_.multiline) return 0;
                if (character == 27) return 0;
                if (buffer_.type(character)) {
                    modified_ = true;
                    changed(system, self);
                } else if (character >= 32 || character == L'\b') {
                    MessageBeep(0);
                }
                return 0;
            }
            case WM_KEYDOWN:
                if (labelEditor(system, window) && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
                    system.send(window.parent, SIM_END_LABEL_EDIT, wParam == VK_RETURN ? 1 : 0, 0);
                    return 0;
                }
                if (buffer_.key(wParam, system.keyDown(VK_SHIFT))) {
                    modified_ = true;
                    changed(system, self);
                }
                return 0;
            case WM_LBUTTONDOWN:
                if (window.enabledFlag() && system.focus() != self) system.setFocus(self);
                return 0;
            case EM_GETSEL:
                if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(buffer_.low());
                if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(buffer_.high());
                return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(std::min<std::size_t>(buffer_.low(), 0xFFFF)),
                                                     static_cast<WORD>(std::min<std::size_t>(buffer_.high(), 0xFFFF))));
            case EM_SETSEL:
                buffer_.select(static_cast<long>(static_cast<std::intptr_t>(wParam)), static_cast<long>(lParam));
                return 0;
            case EM_REPLACESEL: {
                const std::wstring text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
                if (buffer_.replaceSelection(text)) {
                    window.text = buffer_.text;
                    changed(system, self);
                }
                return 0;
            }
            case WM_CLEAR:
            case WM_CUT:
                if (!buffer_.readOnly && buffer_.low() != buffer_.high() && buffer_.replaceSelection(L"")) changed(system, self);
                return 0;
            case EM_SETREADONLY:
                buffer_.readOnly = wParam != 0;
                if (buffer_.readOnly) window.style |= ES_READONLY;
                else window.style &= ~static_cast<DWORD>(ES_READONLY);
                return TRUE;
            case EM_LIMITTEXT:
                buffer_.limit = wParam == 0 ? 0x7FFFFFFE : wParam;
                return 0;
            case EM_GETLIMITTEXT:
                return static_cast<LRESULT>(buffer_.limit);
            case EM_GETMODIFY:
                return modified_ ? TRUE : FALSE;
            case EM_SETMODIFY:
                modified_ = wParam != 0;
                return 0;
            case EM_GETLINECOUNT:
                return static_cast<LRESULT>(lines().size());
            case EM_LINEINDEX: {
                const auto all = lines();
                const long line = static_cast<long>(static_cast<std::intptr_t>(wParam));
                const std::size_t index = line < 0 ? lineOf(buffer_.selEnd) : static_cast<std::size_t>(line);
                return index < all.size() ? static_cast<LRESULT>(all[index].first) : -1;
            }
            case EM_LINEFROMCHAR: {
                const long at = static_cast<long>(static_cast<std::intptr_t>(wParam));
                return static_cast<LRESULT>(lineOf(at < 0 ? buffer_.low() : static_cast<std::size_t>(at)));
            }
            case EM_LINELENGTH: {
                const long at = static_cast<long>(static_cast<std::intptr_t>(wParam));
                const auto all = lines();
                const std::size_t line = lineOf(at < 0 ? buffer_.low() : static_cast<std::size_t>(at));
                return line < all.size() ? static_cast<LRESULT>(all[line].second) : 0;
            }
            case EM_GETLINE: {
                const auto all = lines();
                if (wParam >= all.size() || lParam == 0) return 0;
                auto* out = reinterpret_cast<wchar_t*>(lParam);
                // The first word of the buffer holds its size, as EM_GETLINE expects; no terminator.
                const std::size_t room = static_cast<WORD>(out[0]);
                const std::size_t count = std::min(room, all[wParam].second);
                std::copy_n(buffer_.text.begin() + static_cast<std::ptrdiff_t>(all[wParam].first), count, out);
                return static_cast<LRESULT>(count);
            }
            case EM_SCROLLCARET:
            case EM_SETPASSWORDCHAR:
                return TRUE;
            case WM_SETFOCUS:
                system.notifyParent(self, EN_SETFOCUS);
                return 0;
            case WM_KILLFOCUS:
                system.notifyParent(self, EN_KILLFOCUS);
                if (labelEditor(system, window)) system.send(window.parent, SIM_END_LABEL_EDIT, 1, 0);
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window& window) const override {
        return (window.style & ES_MULTILINE) ? L"multi-line edit" : L"edit";
    }
    std::wstring state(const Window&) const override {
        std::wstring out;
        auto add = [&](const std::wstring& word) { out += (out.empty() ? L"" : L" ") + word; };
        if (buffer_.readOnly) add(L"read-only");
        if (buffer_.numbersOnly) add(L"number");
        if (buffer_.low() != buffer_.high()) add(L"sel " + std::to_wstring(buffer_.low()) + L"-" + std::to_wstring(buffer_.high()));
        return out;
    }

private:
    static bool labelEditor(WindowSystem& system, const Window& window) {
        const Window* parent = system.find(window.parent);
        return parent != nullptr && parent->className == L"SysListView32";
    }

    void changed(WindowSystem& system, HWND self) {
        if (Window* window = system.find(self)) window->text = buffer_.text;
        system.notifyParent(self, EN_UPDATE);
        system.notifyParent(self, EN_CHANGE);
    }

    // (start, length) of every line; a multi-line edit breaks lines at "\r\n".
    std::vector<std::pair<std::size_t, std::size_t>> lines() const {
        std::vector<std::pair<std::size_t, std::size_t>> out;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = buffer_.multiline ? buffer_.text.find(L"\r\n", start) : std::wstring::npos;
            if (end == std::wstring::npos) {
                out.emplace_back(start, buffer_.text.size() - start);
                return out;
            }
            out.emplace_back(start, end - start);
            start = end + 2;
        }
    }
    std::size_t lineOf(std::size_t at) const {
        const auto all = lines();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (at <= all[i].first + all[i].second) return i;
        }
        return all.size() - 1;
    }

    EditBuffer buffer_;
    bool modified_ = false;
};

}  // namespace

std::unique_ptr<Control> makeEdit() { return std::make_unique<EditControl>(); }

}  // namespace vexa::sim::win
