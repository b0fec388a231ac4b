// A host-styled dialog that answers the host's keep-focus query (WM_ACAD_KEEPFOCUS) with a
// fixed answer: 1 keeps the keyboard focus in the dialog, 0 leaves it with the host.
#pragma once

#include "acad/acui.h"

namespace vexa::kito {

template <LRESULT KeepFocus>
class KeepFocusDialog : public CAdUiBaseDialog {
public:
    using CAdUiBaseDialog::CAdUiBaseDialog;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ACAD_KEEPFOCUS) return KeepFocus;
        return CAdUiBaseDialog::WindowProc(message, wParam, lParam);
    }
};

}  // namespace vexa::kito
