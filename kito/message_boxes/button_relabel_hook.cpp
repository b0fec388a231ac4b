#include "kito/message_boxes/button_relabel_hook.h"

#include "kito/message_boxes/message_box_request.h"
#include "win/hooks.h"

namespace vexa::kito {

namespace {

HHOOK relabelHook = nullptr;
std::array<std::wstring, 3> buttonLabels;

LRESULT CALLBACK relabelButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_ACTIVATE) {
        CallNextHookEx(relabelHook, code, wParam, lParam);
        return 0;
    }
    const auto box = reinterpret_cast<HWND>(wParam);
    for (int button : relabelledButtons) {
        const std::wstring& label = labelFor(buttonLabels, button);
        if (GetDlgItem(box, button) != nullptr && !label.empty()) SetDlgItemTextW(box, button, label.c_str());
    }
    removeRelabelHook();
    return 0;
}

}  // namespace

int relabelledMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type,
                         const std::array<std::wstring, 3>& labels) {
    buttonLabels = labels;
    removeRelabelHook();
    relabelHook = SetWindowsHookExW(WH_CBT, relabelButtons, nullptr, GetCurrentThreadId());
    const int result = MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    removeRelabelHook();
    return result;
}

void removeRelabelHook() {
    if (relabelHook == nullptr) return;
    UnhookWindowsHookEx(relabelHook);
    relabelHook = nullptr;
}

}  // namespace vexa::kito
