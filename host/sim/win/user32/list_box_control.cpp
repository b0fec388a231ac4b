// List boxes: sorted or not, single or multiple selection, prefix searches that wrap.
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"

namespace vexa::sim::win {

namespace {

int indexArg(WPARAM wParam) { return static_cast<int>(static_cast<std::intptr_t>(wParam)); }

class ListBoxControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        Window& window = *system.find(self);
        const bool multiple = (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
        const auto text = [&] { return std::wstring(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L""); };
        switch (message) {
            case WM_CREATE:
                list_.sorted = (window.style & LBS_SORT) != 0;
                return 0;
            case WM_GETDLGCODE:
                return DLGC_WANTARROWS | DLGC_WANTCHARS;
            case LB_ADDSTRING:
                return list_.add(text(), current_);
            case LB_INSERTSTRING: {
                const int index = list_.insert(indexArg(wParam), text(), current_);
                return index < 0 ? LB_ERR : index;
            }
            case LB_DELETESTRING:
                return list_.remove(indexArg(wParam), current_) ? list_.count() : LB_ERR;
            case LB_RESETCONTENT:
                list_.items.clear();
                current_ = -1;
                top_ = 0;
                return 0;
            case LB_INITSTORAGE:
                return list_.reserve(wParam);
            case LB_GETCOUNT:
                return list_.count();
            case LB_GETTEXT:
                return list_.copyItemText(indexArg(wParam), lParam);
            case LB_GETTEXTLEN:
                return list_.itemTextLength(indexArg(wParam));
            case LB_SETCURSEL: {
                // Programmatic selection sends no LBN_SELCHANGE; -1 clears and still answers LB_ERR.
                if (multiple) return LB_ERR;
                const int index = indexArg(wParam);
                if (index == -1) {
                    current_ = -1;
                    return LB_ERR;
                }
                if (!list_.valid(index)) return LB_ERR;
                current_ = index;
                return index;
            }
            case LB_GETCURSEL:
                return multiple ? caret_ : current_;
            case LB_FINDSTRING:
                return orError(list_.findPrefix(indexArg(wParam), text()));
            case LB_FINDSTRINGEXACT:
                return orError(list_.findExact(indexArg(wParam), text()));
            case LB_SELECTSTRING: {
                if (multiple) return LB_ERR;
                const int index = list_.findPrefix(indexArg(wParam), text());
                if (index >= 0) current_ = index;
                return orError(index);
            }
            case LB_SETITEMDATA:
                return list_.setItemData(indexArg(wParam), lParam);
            case LB_GETITEMDATA:
                return list_.itemData(indexArg(wParam));
            case LB_SETSEL: {
                if (!multiple) return LB_ERR;
                const int index = static_cast<int>(lParam);
                if (index == -1) {
                    for (auto& item : list_.items) item.selected = wParam != 0;
                    return 0;
                }
                if (!list_.valid(index)) return LB_ERR;
                list_.items[static_cast<std::size_t>(index)].selected = wParam != 0;
                caret_ = index;
                return 0;
            }
            case LB_GETSEL: {
                const int index = indexArg(wParam);
                if (!list_.valid(index)) return LB_ERR;
                return multiple ? (list_.items[static_cast<std::size_t>(index)].selected ? 1 : 0) : (index == current_ ? 1 : 0);
            }
            case LB_GETSELCOUNT: {
                if (!multiple) return LB_ERR;
                LRESULT selected = 0;
                for (const auto& item : list_.items) selected += item.selected ? 1 : 0;
                return selected;
            }
            case LB_GETSELITEMS: {
                if (!multiple) return LB_ERR;
                auto* out = reinterpret_cast<int*>(lParam);
                int written = 0;
                for (int i = 0; i < list_.count() && written < indexArg(wParam); ++i) {
                    if (list_.items[static_cast<std::size_t>(i)].selected) out[written++] = i;
                }
                return written;
            }
            case LB_SETTOPINDEX:
                if (!list_.valid(indexArg(wParam)) && list_.count() > 0) return LB_ERR;
                top_ = std::max(0, indexArg(wParam));
                return 0;
            case LB_GETTOPINDEX:
                return top_;
            case LB_SETCARETINDEX:
                if (!list_.valid(indexArg(wParam))) return LB_ERR;
                caret_ = indexArg(wParam);
                return 0;
            case LB_GETCARETINDEX:
                return multiple ? caret_ : current_;
            case SIM_USER_SELECT: {
                // A click on an entry: focus, selection, then LBN_SELCHANGE (sent even when the
                // entry was already selected, as the mouse release always reports it).
                const int index = indexArg(wParam);
                if (!list_.valid(index) || !window.enabledFlag()) return FALSE;
                if (system.focus() != self) system.setFocus(self);
                if (!system.exists(self)) return FALSE;
                if (multiple) {
                    auto& item = list_.items[static_cast<std::size_t>(index)];
                    if (system.find(self)->style & LBS_MULTIPLESEL) item.selected = !item.selected;
                    else {
                        for (auto& other : list_.items) other.selected = false;
                        item.selected = true;
                    }
                    caret_ = index;
                } else {
                    current_ = index;
                }
                top_ = std::min(top_, index);
                const bool notify = (system.find(self)->style & LBS_NOTIFY) != 0;
                if (notify) system.notifyParent(self, LBN_SELCHANGE);
                if (notify && lParam == 1) system.notifyParent(self, LBN_DBLCLK);
                return TRUE;
            }
            case WM_KEYDOWN: {
                if (multiple || list_.count() == 0) return 0;
                int next = current_;
                if (wParam == VK_DOWN) next = std::min(list_.count() - 1, current_ + 1);
                else if (wParam == VK_UP) next = std::max(0, current_ - 1);
                else if (wParam == VK_HOME) next = 0;
                else if (wParam == VK_END) next = list_.count() - 1;
                if (next != current_) {
                    current_ = next;
                    if (window.style & LBS_NOTIFY) system.notifyParent(self, LBN_SELCHANGE);
                }
                return 0;
            }
            case WM_SETFOCUS:
                if (window.style & LBS_NOTIFY) system.notifyParent(self, LBN_SETFOCUS);
                return 0;
            case WM_KILLFOCUS:
                if (window.style & LBS_NOTIFY) system.notifyParent(self, LBN_KILLFOCUS);
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window& window) const override {
        return (window.style & LBS_SORT) ? L"sorted list box" : L"list box";
    }
    std::wstring state(const Window& window) const override {
        if (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
            std::wstring out = L"selected";
            for (int i = 0; i < list_.count(); ++i) {
                if (list_.items[static_cast<std::size_t>(i)].selected) out += L" " + std::to_wstring(i);
            }
            return out;
        }
        return L"sel " + std::to_wstring(current_);
    }
    std::vector<std::wstring> items() const override {
        std::vector<std::wstring> out;
        out.reserve(list_.items.size());
        for (const auto& item : list_.items) out.push_back(item.text);
        return out;
    }
    int selection() const override { return current_; }

private:
    static LRESULT orError(int index) { return index < 0 ? LB_ERR : index; }

    StringList list_;
    int current_ = -1;
    int caret_ = 0;
    int top_ = 0;
};

}  // namespace

std::unique_ptr<Control> makeListBox() { return std::make_unique<ListBoxControl>(); }

}  // namespace vexa::sim::win
