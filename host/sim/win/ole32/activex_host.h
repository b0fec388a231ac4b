// ActiveX controls in dialogs: a dialog item whose class is a control's class id becomes a
// window hosting that control's automation object.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/win/user32/window_system.h"

namespace vexa::sim::win {

// The class ids the simulated machine has controls for, as window class names.
const std::vector<std::wstring>& activeXClassNames();
bool isActiveXClass(std::wstring_view foldedName);
// A hosting control for a folded class name; null when it names no known control.
std::unique_ptr<Control> makeActiveXControl(std::wstring_view foldedName);

}  // namespace vexa::sim::win
