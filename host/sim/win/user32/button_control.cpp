// Push buttons, check boxes, radio buttons (with the auto behaviour of their group) and group boxes.
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

// The controls of `self`'s group: from the nearest WS_GROUP sibling at or before it to the next one.
std::vector<HWND> groupOf(WindowSystem& system, HWND self) {
    const Window* window = system.find(self);
    const Window* parent = window ? system.find(window->parent) : nullptr;
    if (parent == nullptr) return {self};
    const auto& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), self);
    auto first = at;
    while (first != siblings.begin() && !(system.find(*first)->style & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != siblings.end() && !(system.find(*last)->style & WS_GROUP)) ++last;
    return {first, last};
}

class ButtonControl : public Control {
public:
    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        Window& window = *system.find(self);
        const DWORD type = window.style & BS_TYPEMASK;
        switch (message) {
            case WM_GETDLGCODE:
                if (type == BS_GROUPBOX) return DLGC_STATIC;
                if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return DLGC_BUTTON | DLGC_RADIOBUTTON;
                if (type == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
                if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
                return DLGC_BUTTON;
            case BM_GETCHECK:
                return checkable(type) ? check_ : BST_UNCHECKED;
            case BM_SETCHECK:
                if (checkable(type)) check_ = static_cast<int>(wParam) & 3;
                if ((type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) && check_ == BST_INDETERMINATE) check_ = BST_CHECKED;
                return 0;
            case BM_GETSTATE:
                return (checkable(type) ? check_ : 0) | (pushed_ ? BST_PUSHED : 0) | (system.focus() == self ? BST_FOCUS : 0);
            case BM_SETSTATE:
                pushed_ = wParam != 0;
                return 0;
            case BM_SETSTYLE:
                window.style = (window.style & 0xFFFF0000u) | LOWORD(wParam);
                return 0;
            case BM_SETIMAGE:
                return std::exchange(image_, lParam);
            case BM_GETIMAGE:
                return image_;
            case BM_CLICK:
                // As Windows does it: a press and a release of the mouse on the button.
                if (!window.enabledFlag()) return 0;
                system.send(self, WM_LBUTTONDOWN, 1, 0);
                system.send(self, WM_LBUTTONUP, 0, 0);
                return 0;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                if (type == BS_GROUPBOX || !window.enabledFlag()) return 0;
                if (system.focus() != self) system.setFocus(self);
                pushed_ = true;
                return 0;
            case WM_LBUTTONUP:
                if (!pushed_) return 0;
                pushed_ = false;
                clicked(system, self);
                return 0;
            case WM_KEYDOWN:
                if (wParam == VK_SPACE && type != BS_GROUPBOX) pushed_ = true;
                return 0;
            case WM_KEYUP:
                if (wParam == VK_SPACE && pushed_) {
                    pushed_ = false;
                    clicked(system, self);
                }
                return 0;
            case WM_CHAR:
                return 0;
            case WM_SETFOCUS:
                if (window.style & BS_NOTIFY) system.notifyParent(self, BN_SETFOCUS);
                return 0;
            case WM_KILLFOCUS:
                pushed_ = false;
                if (window.style & BS_NOTIFY) system.notifyParent(self, BN_KILLFOCUS);
                return 0;
            default:
                return defaultProcedure(system, self, message, wParam, lParam);
        }
    }

    std::wstring kind(const Window& window) const override {
        switch (window.style & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return L"check box";
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return L"radio";
            case BS_GROUPBOX:
                return L"group box";
            default:
                return L"button";
        }
    }
    std::wstring state(const Window& window) const override {
        const DWORD type = window.style & BS_TYPEMASK;
        std::wstring out;
        if (type == BS_DEFPUSHBUTTON) out = L"default";
        if (checkable(type)) out = check_ == BST_CHECKED ? L"checked" : check_ == BST_INDETERMINATE ? L"indeterminate" : L"unchecked";
        if (image_) out += out.empty() ? L"image" : L" image";
        return out;
    }
    int selection() const override { return check_; }

private:
    static bool checkable(DWORD type) {
        return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
               type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    }

    void clicked(WindowSystem& system, HWND self) {
        const DWORD type = system.find(self)->style & BS_TYPEMASK;
        if (type == BS_AUTOCHECKBOX) check_ = check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        if (type == BS_AUTO3STATE) check_ = (check_ + 1) % 3;
        if (type == BS_AUTORADIOBUTTON) {
            // An auto radio button checks itself and clears the other auto radio buttons of its group.
            for (HWND other : groupOf(system, self)) {
                const Window* w = system.find(other);
                if (other != self && w && w->control && w->className == L"Button" &&
                    (w->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                    system.send(other, BM_SETCHECK, BST_UNCHECKED, 0);
                }
            }
            check_ = BST_CHECKED;
        }
        system.notifyParent(self, BN_CLICKED);
    }

    int check_ = BST_UNCHECKED;
    bool pushed_ = false;
    LPARAM image_ = 0;
};

}  // namespace

std::unique_ptr<Control> makeButton() { return std::make_unique<ButtonControl>(); }

}  // namespace vexa::sim::win
