// Combo boxes: drop-down lists and drop-downs with their edit field.
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"

namespace vexa::sim::win {

namespace {

int indexArg(WPARAM wParam) { return static_cast<int>(static_cast<std::intptr_t>(wParam)); }

class ComboBoxControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        Window& window = *system.find(self);
        const auto text = [&] { return std::wstring(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L""); };
        switch (message) {
            case WM_CREATE:
                list_.sorted = (window.style & CBS_SORT) != 0;
                hasEdit_ = (window.style & 3) != CBS_DROPDOWNLIST;
                edit_.upperCase = (window.style & CBS_UPPERCASE) != 0;
                edit_.lowerCase = (window.style & CBS_LOWERCASE) != 0;
                return 0;
            case WM_GETDLGCODE:
                return DLGC_WANTCHARS | DLGC_WANTARROWS | (dropped_ ? DLGC_WANTALLKEYS : 0) | (hasEdit_ ? DLGC_HASSETSEL : 0);
            case WM_SETTEXT:
                if (hasEdit_) {
                    // The edit field reports the change as the user's typing would.
                    edit_.setText(text());
                    editChanged(system, self);
                    return TRUE;
                } else {
                    const int index = list_.findExact(-1, text());
                    if (index < 0) return CB_ERR;
                    current_ = index;
                    return TRUE;
                }
            case WM_GETTEXT:
                return copyText(displayed(), wParam, lParam);
            case WM_GETTEXTLENGTH:
                return static_cast<LRESULT>(displayed().size());
            case CB_ADDSTRING:
                return list_.add(text(), current_);
            case CB_INSERTSTRING: {
                const int index = list_.insert(indexArg(wParam), text(), current_);
                return index < 0 ? CB_ERR : index;
            }
            case CB_DELETESTRING:
                return list_.remove(indexArg(wParam), current_) ? list_.count() : CB_ERR;
            case CB_RESETCONTENT:
                list_.items.clear();
                current_ = -1;
                edit_.setText(L"");
                return CB_OKAY;
            case CB_INITSTORAGE:
                return list_.reserve(wParam);
            case CB_GETCOUNT:
                return list_.count();
            case CB_GETLBTEXT:
                return list_.copyItemText(indexArg(wParam), lParam);
            case CB_GETLBTEXTLEN:
                return list_.itemTextLength(indexArg(wParam));
            case CB_SETITEMDATA:
                return list_.setItemData(indexArg(wParam), lParam);
            case CB_GETITEMDATA:
                return list_.itemData(indexArg(wParam));
            case CB_FINDSTRING:
                return orError(list_.findPrefix(indexArg(wParam), text()));
            case CB_FINDSTRINGEXACT:
                return orError(list_.findExact(indexArg(wParam), text()));
            case CB_SETCURSEL: {
                // Programmatic: no CBN_SELCHANGE; the edit field takes the entry's text.
                const int index = indexArg(wParam);
                if (!list_.valid(index)) {
                    current_ = -1;
                    if (hasEdit_) edit_.setText(L"");
                    return CB_ERR;
                }
                select(index);
                return index;
            }
            case CB_SELECTSTRING: {
                // The first entry after wParam (wrapping) that begins with the text, case
                // ignored; no match leaves the selection as it was.
                const int index = list_.findPrefix(indexArg(wParam), text());
                if (index < 0) return CB_ERR;
                select(index);
                return index;
            }
            case CB_GETCURSEL:
                return current_;
            case CB_SHOWDROPDOWN:
                if (wParam && !dropped_) drop(system, self);
                else if (!wParam && dropped_) closeUp(system, self, false);
                return TRUE;
            case CB_GETDROPPEDSTATE:
                return dropped_ ? TRUE : FALSE;
            case CB_LIMITTEXT:
                edit_.limit = wParam == 0 ? 0x7FFFFFFE : wParam;
                return TRUE;
            case CB_SETEDITSEL:
                if (!hasEdit_) return CB_ERR;
                edit_.select(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                             static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))));
                return TRUE;
            case CB_GETEDITSEL:
                if (!hasEdit_) return CB_ERR;
                if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(edit_.low());
                if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(edit_.high());
                return MAKELONG(static_cast<WORD>(edit_.low()), static_cast<WORD>(edit_.high()));
            case CB_SETDROPPEDWIDTH:
                return static_cast<LRESULT>(wParam);
            case SIM_USER_DROPDOWN:
                if (!window.enabledFlag()) return FALSE;
                if (system.focus() != self) system.setFocus(self);
                if (system.exists(self) && !dropped_) drop(system, self);
                return TRUE;
            case SIM_USER_SELECT: {
                // A choice from the dropped list: it drops first if the user had not opened it.
                const int index = indexArg(wParam);
                if (!list_.valid(index) || !window.enabledFlag()) return FALSE;
                if (system.focus() != self) system.setFocus(self);
                if (system.exists(self) && !dropped_) drop(system, self);
                if (!system.exists(self)) return FALSE;
                current_ = index;
                closeUp(system, self, true);
                if (!system.exists(self)) return TRUE;
                system.notifyParent(self, CBN_SELCHANGE);
                // The edit field shows the choice only after CBN_SELCHANGE, as Windows does
                // (so a handler reads the entry with CB_GETLBTEXT, not the window text).
                if (system.exists(self) && hasEdit_ && list_.valid(current_)) {
                    edit_.setText(list_.items[static_cast<std::size_t>(current_)].text);
                    edit_.select(0, -1);
                }
                return TRUE;
            }
            case WM_CHAR: {
                const auto character = static_cast<wchar_t>(wParam);
                if (hasEdit_) {
                    if (character == L'\r' || character == 27) return 0;
                    if (edit_.type(character)) editChanged(system, self);
                    else if (character >= 32) MessageBeep(0);
                    return 0;
                }
                // A drop-down list jumps to the next entry that begins with the typed character.
                if (character < 32) return 0;
                const int index = list_.findPrefix(current_, std::wstring(1, character));
                if (index >= 0 && index != current_) {
                    current_ = index;
                    system.notifyParent(self, CBN_SELCHANGE);
                }
                return 0;
            }
            case WM_KEYDOWN: {
                if (dropped_ && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
                    closeUp(system, self, wParam == VK_RETURN);
                    return 0;
                }
                if (hasEdit_ && edit_.key(wParam, system.keyDown(VK_SHIFT))) {
                    editChanged(system, self);
                    return 0;
                }
                int next = current_;
                if (wParam == VK_DOWN) next = std::min(list_.count() - 1, current_ + 1);
                else if (wParam == VK_UP) next = std::max(0, current_ - 1);
                if (next != current_ && list_.valid(next)) {
                    select(next);
                    system.notifyParent(self, CBN_SELCHANGE);
                }
                return 0;
            }
            case WM_LBUTTONDOWN:
                if (window.enabledFlag() && system.focus() != self) system.setFocus(self);
                return 0;
            case WM_SETFOCUS:
                if (hasEdit_) edit_.select(0, -1);
                system.notifyParent(self, CBN_SETFOCUS);
                return 0;
            case WM_KILLFOCUS:
                if (dropped_) closeUp(system, self, false);
                if (system.exists(self)) system.notifyParent(self, CBN_KILLFOCUS);
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window& window) const override {
        switch (window.style & 3) {
            case CBS_DROPDOWNLIST: return L"drop-down list";
            case CBS_SIMPLE: return L"simple combo";
            default: return L"drop-down combo";
        }
    }
    std::wstring state(const Window&) const override {
        std::wstring out = L"sel " + std::to_wstring(current_);
        if (dropped_) out += L" dropped";
        return out;
    }
    std::vector<std::wstring> items() const override {
        std::vector<std::wstring> out;
        out.reserve(list_.items.size());
        for (const auto& item : list_.items) out.push_back(item.text);
        return out;
    }
    int selection() const override { return current_; }

private:
    static LRESULT orError(int index) { return index < 0 ? CB_ERR : index; }

    std::wstring displayed() const {
        if (hasEdit_) return edit_.text;
        return list_.valid(current_) ? list_.items[static_cast<std::size_t>(current_)].text : std::wstring{};
    }
    void select(int index) {
        current_ = index;
        if (hasEdit_) {
            edit_.setText(list_.items[static_cast<std::size_t>(index)].text);
            edit_.select(0, -1);
        }
    }
    void editChanged(WindowSystem& system, HWND self) {
        if (Window* window = system.find(self)) window->text = edit_.text;
        system.notifyParent(self, CBN_EDITUPDATE);
        system.notifyParent(self, CBN_EDITCHANGE);
    }
    void drop(WindowSystem& system, HWND self) {
        system.notifyParent(self, CBN_DROPDOWN);
        dropped_ = true;
    }
    void closeUp(WindowSystem& system, HWND self, bool accepted) {
        dropped_ = false;
        system.notifyParent(self, accepted ? CBN_SELENDOK : CBN_SELENDCANCEL);
        if (system.exists(self)) system.notifyParent(self, CBN_CLOSEUP);
    }

    StringList list_;
    EditBuffer edit_;
    bool hasEdit_ = false;
    bool dropped_ = false;
    int current_ = -1;
};

}  // namespace

std::unique_ptr<Control> makeComboBox() { return std::make_unique<ComboBoxControl>(); }

}  // namespace vexa::sim::win
