#include "frame/dialog_controls.h"

#include <algorithm>

namespace vexa::frame {

void enableControls(CWnd& dialog, std::span<const int> controls, std::span<const bool> enabled) {
    for (std::size_t i = 0; i < controls.size() && i < enabled.size(); ++i) {
        if (CWnd* control = dialog.GetDlgItem(controls[i])) control->EnableWindow(enabled[i]);
    }
}

bool clickedOneOf(WPARAM wParam, std::span<const int> controls) {
    return HIWORD(wParam) == BN_CLICKED &&
           std::find(controls.begin(), controls.end(), LOWORD(wParam)) != controls.end();
}

}  // namespace vexa::frame
