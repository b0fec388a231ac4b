// Trackbars (sliders): range, page and line size, ticks, position; WM_HSCROLL / WM_VSCROLL to the parent.
#include "win/commctrl.h"
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"

namespace vexa::sim::win {

namespace {

class TrackbarControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        Window& window = *system.find(self);
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_WANTARROWS;
            case TBM_GETPOS:
                return position_;
            case TBM_SETPOS:
            case TBM_SETPOSNOTIFY:
                position_ = clamp(static_cast<LONG>(lParam));
                if (message == TBM_SETPOSNOTIFY) scroll(system, self, TB_THUMBPOSITION);
                return 0;
            case TBM_SETRANGE:
                minimum_ = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
                maximum_ = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
                rangeChanged();
                return 0;
            case TBM_SETRANGEMIN:
                minimum_ = static_cast<LONG>(lParam);
                rangeChanged();
                return 0;
            case TBM_SETRANGEMAX:
                maximum_ = static_cast<LONG>(lParam);
                rangeChanged();
                return 0;
            case TBM_GETRANGEMIN:
                return minimum_;
            case TBM_GETRANGEMAX:
                return maximum_;
            case TBM_SETPAGESIZE:
                return std::exchange(page_, static_cast<LONG>(lParam));
            case TBM_GETPAGESIZE:
                return page_;
            case TBM_SETLINESIZE:
                return std::exchange(line_, static_cast<LONG>(lParam));
            case TBM_GETLINESIZE:
                return line_;
            case TBM_SETTICFREQ:
                frequency_ = std::max<LONG>(1, static_cast<LONG>(wParam));
                return 0;
            case TBM_SETTIC:
                if (lParam < minimum_ || lParam > maximum_) return FALSE;
                ticks_.push_back(static_cast<LONG>(lParam));
                return TRUE;
            case TBM_CLEARTICS:
                ticks_.clear();
                return 0;
            case TBM_GETTIC: {
                const auto index = static_cast<std::size_t>(wParam);
                return index < ticks_.size() ? ticks_[index] : -1;
            }
            case TBM_GETNUMTICS:
                return tickCount(window);
            case SIM_USER_SCROLL: {
                if (!window.enabledFlag()) return FALSE;
                if (system.focus() != self) system.setFocus(self);
                const auto code = static_cast<UINT>(wParam);
                if (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) position_ = clamp(static_cast<LONG>(lParam));
                else move(code);
                scroll(system, self, code);
                return TRUE;
            }
            case WM_KEYDOWN: {
                UINT code = 0xFFFF;
                if (wParam == VK_RIGHT || wParam == VK_DOWN) code = TB_LINEDOWN;
                if (wParam == VK_LEFT || wParam == VK_UP) code = TB_LINEUP;
                if (wParam == VK_NEXT) code = TB_PAGEDOWN;
                if (wParam == VK_PRIOR) code = TB_PAGEUP;
                if (wParam == VK_HOME) code = TB_TOP;
                if (wParam == VK_END) code = TB_BOTTOM;
                if (code == 0xFFFF) return 0;
                move(code);
                scroll(system, self, code);
                return 0;
            }
            case WM_KEYUP:
                if (wParam == VK_RIGHT || wParam == VK_DOWN || wParam == VK_LEFT || wParam == VK_UP || wParam == VK_NEXT ||
                    wParam == VK_PRIOR || wParam == VK_HOME || wParam == VK_END) {
                    scroll(system, self, TB_ENDTRACK);
                }
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window&) const override { return L"slider"; }
    std::wstring state(const Window& window) const override {
        return L"pos " + std::to_wstring(position_) + L" range " + std::to_wstring(minimum_) + L"-" + std::to_wstring(maximum_) +
               L" page " + std::to_wstring(page_) + L" ticks " + std::to_wstring(tickCount(window));
    }
    int selection() const override { return position_; }

private:
    LONG clamp(LONG value) const { return std::max(minimum_, std::min(maximum_, value)); }
    void rangeChanged() {
        if (maximum_ < minimum_) maximum_ = minimum_;
        position_ = clamp(position_);
    }
    LRESULT tickCount(const Window& window) const {
        if (window.style & TBS_NOTICKS) return 0;
        if (window.style & TBS_AUTOTICKS) return (maximum_ - minimum_) / frequency_ + 1;
        return static_cast<LRESULT>(ticks_.size()) + 2;  // the two ends count
    }
    void move(UINT code) {
        switch (code) {
            case TB_LINEUP: position_ = clamp(position_ - line_); break;
            case TB_LINEDOWN: position_ = clamp(position_ + line_); break;
            case TB_PAGEUP: position_ = clamp(position_ - page_); break;
            case TB_PAGEDOWN: position_ = clamp(position_ + page_); break;
            case TB_TOP: position_ = minimum_; break;
            case TB_BOTTOM: position_ = maximum_; break;
            default: break;
        }
    }
    // The notification: WM_HSCROLL (WM_VSCROLL for a vertical slider) with the code in the
    // low word, the position in the high word for the thumb codes, and the slider's handle.
    void scroll(WindowSystem& system, HWND self, UINT code) {
        const Window* window = system.find(self);
        if (window == nullptr || window->parent == nullptr) return;
        const WORD high = (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? static_cast<WORD>(position_) : 0;
        system.send(window->parent, (window->style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL,
                    MAKEWPARAM(static_cast<WORD>(code), high), reinterpret_cast<LPARAM>(self));
    }

    LONG minimum_ = 0;
    LONG maximum_ = 100;
    LONG position_ = 0;
    LONG page_ = 20;
    LONG line_ = 1;
    LONG frequency_ = 1;
    std::vector<LONG> ticks_;
};

}  // namespace

std::unique_ptr<Control> makeTrackbar() { return std::make_unique<TrackbarControl>(); }

}  // namespace vexa::sim::win
