// Progress bars: range, position, step.
#include "win/commctrl.h"
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

class ProgressControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case PBM_SETRANGE: {
                const LRESULT old = MAKELONG(static_cast<WORD>(low_), static_cast<WORD>(high_));
                low_ = LOWORD(static_cast<std::uintptr_t>(lParam));
                high_ = HIWORD(static_cast<std::uintptr_t>(lParam));
                position_ = clamp(position_);
                return old;
            }
            case PBM_SETRANGE32: {
                const LRESULT old = MAKELONG(static_cast<WORD>(low_), static_cast<WORD>(high_));
                low_ = static_cast<int>(wParam);
                high_ = static_cast<int>(lParam);
                position_ = clamp(position_);
                return old;
            }
            case PBM_GETRANGE:
                if (lParam) *reinterpret_cast<PBRANGE*>(lParam) = {low_, high_};
                return wParam ? low_ : high_;
            case PBM_SETPOS:
                return std::exchange(position_, clamp(static_cast<int>(wParam)));
            case PBM_GETPOS:
                return position_;
            case PBM_DELTAPOS:
                return std::exchange(position_, clamp(position_ + static_cast<int>(wParam)));
            case PBM_SETSTEP:
                return std::exchange(step_, static_cast<int>(wParam));
            case PBM_GETSTEP:
                return step_;
            case PBM_STEPIT: {
                // Past the end the bar starts over from the beginning.
                const int old = position_;
                position_ += step_;
                if (position_ > high_) position_ = low_ + (position_ - high_);
                position_ = clamp(position_);
                return old;
            }
            case PBM_SETBARCOLOR:
            case PBM_SETMARQUEE:
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }
    std::wstring kind(const Window&) const override { return L"progress"; }
    std::wstring state(const Window&) const override {
        return L"pos " + std::to_wstring(position_) + L" range " + std::to_wstring(low_) + L"-" + std::to_wstring(high_);
    }
    int selection() const override { return position_; }

private:
    int clamp(int value) const { return std::max(low_, std::min(high_, value)); }

    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
    int step_ = 10;
};

}  // namespace

std::unique_ptr<Control> makeProgress() { return std::make_unique<ProgressControl>(); }

}  // namespace vexa::sim::win
