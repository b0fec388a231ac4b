// Static text, frames and pictures.
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

class StaticControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_STATIC;
            case STM_SETIMAGE:
            case STM_SETICON:
                return static_cast<LRESULT>(std::exchange(image_, lParam ? lParam : static_cast<LPARAM>(wParam)));
            case STM_GETIMAGE:
            case STM_GETICON:
                return image_;
            case WM_LBUTTONUP:
                if (system.find(self)->style & SS_NOTIFY) system.notifyParent(self, STN_CLICKED);
                return 0;
            case WM_LBUTTONDBLCLK:
                if (system.find(self)->style & SS_NOTIFY) system.notifyParent(self, STN_DBLCLK);
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }
    std::wstring kind(const Window& window) const override {
        const DWORD type = window.style & SS_TYPEMASK;
        if (type == SS_BITMAP || type == SS_ICON || type == SS_ENHMETAFILE) return L"picture";
        if (type >= SS_BLACKRECT && type <= SS_WHITEFRAME) return L"frame";
        if (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT || type == SS_ETCHEDFRAME) return L"frame";
        return L"static";
    }
    std::wstring state(const Window&) const override { return image_ ? L"image" : L""; }

private:
    LPARAM image_ = 0;
};

}  // namespace

std::unique_ptr<Control> makeStatic() { return std::make_unique<StaticControl>(); }

}  // namespace vexa::sim::win
