// Tab controls: tabs with texts, the current tab, TCN_SELCHANGING / TCN_SELCHANGE on the user's choice.
#include "win/commctrl.h"
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"

namespace vexa::sim::win {

namespace {

int indexArg(WPARAM wParam) { return static_cast<int>(static_cast<std::intptr_t>(wParam)); }

// Tabs are 20 pixels high and 60 wide in one row above a 2-pixel frame.
constexpr LONG tabHeight = 20;
constexpr LONG tabWidth = 60;

class TabControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_WANTARROWS;
            case TCM_INSERTITEMW: {
                const auto* info = reinterpret_cast<const TCITEMW*>(lParam);
                if (info == nullptr) return -1;
                const int index = std::clamp(indexArg(wParam), 0, static_cast<int>(tabs_.size()));
                Tab tab;
                if ((info->mask & TCIF_TEXT) && info->pszText) tab.text = info->pszText;
                if (info->mask & TCIF_PARAM) tab.data = info->lParam;
                tabs_.insert(tabs_.begin() + index, tab);
                // The first tab becomes the current one.
                if (current_ < 0) current_ = 0;
                else if (index <= current_) ++current_;
                return index;
            }
            case TCM_DELETEITEM: {
                const int index = indexArg(wParam);
                if (!valid(index)) return FALSE;
                tabs_.erase(tabs_.begin() + index);
                if (current_ == index) current_ = -1;
                else if (current_ > index) --current_;
                return TRUE;
            }
            case TCM_DELETEALLITEMS:
                tabs_.clear();
                current_ = -1;
                return TRUE;
            case TCM_GETITEMCOUNT:
                return static_cast<LRESULT>(tabs_.size());
            case TCM_GETCURSEL:
            case TCM_GETCURFOCUS:
                return current_;
            case TCM_SETCURSEL:
            case TCM_SETCURFOCUS: {
                // Programmatic: no notification.
                const int index = indexArg(wParam);
                if (!valid(index)) return -1;
                return std::exchange(current_, index);
            }
            case TCM_GETITEMW:
            case TCM_SETITEMW: {
                auto* info = reinterpret_cast<TCITEMW*>(lParam);
                const int index = indexArg(wParam);
                if (info == nullptr || !valid(index)) return FALSE;
                Tab& tab = tabs_[static_cast<std::size_t>(index)];
                if (message == TCM_SETITEMW) {
                    if ((info->mask & TCIF_TEXT) && info->pszText) tab.text = info->pszText;
                    if (info->mask & TCIF_PARAM) tab.data = info->lParam;
                } else {
                    if ((info->mask & TCIF_TEXT) && info->pszText && info->cchTextMax > 0) {
                        copyText(tab.text, static_cast<WPARAM>(info->cchTextMax), reinterpret_cast<LPARAM>(info->pszText));
                    }
                    if (info->mask & TCIF_PARAM) info->lParam = tab.data;
                }
                return TRUE;
            }
            case TCM_ADJUSTRECT: {
                auto* rect = reinterpret_cast<RECT*>(lParam);
                if (rect == nullptr) return 0;
                const LONG sign = wParam ? -1 : 1;  // TRUE: display area to window rectangle
                rect->left += sign * 4;
                rect->top += sign * (tabHeight + 4);
                rect->right -= sign * 4;
                rect->bottom -= sign * 4;
                return 0;
            }
            case TCM_GETITEMRECT: {
                auto* rect = reinterpret_cast<RECT*>(lParam);
                const int index = indexArg(wParam);
                if (rect == nullptr || !valid(index)) return FALSE;
                *rect = {2 + index * tabWidth, 2, 2 + (index + 1) * tabWidth, 2 + tabHeight};
                return TRUE;
            }
            case SIM_USER_SELECT:
                if (!valid(indexArg(wParam)) || !system.enabled(self)) return FALSE;
                if (!(system.find(self)->style & TCS_FOCUSNEVER) && system.focus() != self) system.setFocus(self);
                choose(system, self, indexArg(wParam));
                return TRUE;
            case WM_KEYDOWN:
                if (wParam == VK_LEFT && current_ > 0) choose(system, self, current_ - 1);
                if (wParam == VK_RIGHT && valid(current_ + 1)) choose(system, self, current_ + 1);
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window&) const override { return L"tab control"; }
    std::wstring state(const Window&) const override { return L"sel " + std::to_wstring(current_); }
    std::vector<std::wstring> items() const override {
        std::vector<std::wstring> out;
        for (const Tab& tab : tabs_) out.push_back(tab.text);
        return out;
    }
    int selection() const override { return current_; }

private:
    struct Tab {
        std::wstring text;
        LPARAM data = 0;
    };

    bool valid(int index) const { return index >= 0 && index < static_cast<int>(tabs_.size()); }

    // The user's choice of a tab: TCN_SELCHANGING (TRUE refuses), then TCN_SELCHANGE.
    void choose(WindowSystem& system, HWND self, int index) {
        if (index == current_) return;
        NMHDR header{};
        header.code = TCN_SELCHANGING;
        if (system.notifyParent(self, header) != 0 || !system.exists(self)) return;
        current_ = index;
        header.code = TCN_SELCHANGE;
        system.notifyParent(self, header);
    }

    std::vector<Tab> tabs_;
    int current_ = -1;
};

}  // namespace

std::unique_ptr<Control> makeTabControl() { return std::make_unique<TabControl>(); }

}  // namespace vexa::sim::win
