// Enabling and click tests over groups of a dialog's controls.
#pragma once

#include <span>

#include "win/afxwin.h"

namespace vexa::frame {

// Enables or disables controls[i] as enabled[i] says, for the controls both name.
void enableControls(CWnd& dialog, std::span<const int> controls, std::span<const bool> enabled);

// Whether a command is a click on one of the controls.
bool clickedOneOf(WPARAM wParam, std::span<const int> controls);

}  // namespace vexa::frame
