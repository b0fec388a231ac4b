// Private messages by which the scripted user's mouse gestures reach a control's own behaviour,
// passing through any subclass procedure as real input would. They use the retired coalesce
// range (0x0390-0x039F), which no control or framework handles.
#pragma once

#include "win/winuser.h"

namespace vexa::sim::win {

// wParam: the entry (list, combo, list view row, tab); lParam: 1 for a double click.
constexpr UINT SIM_USER_SELECT = 0x0390;
// Drops a combo box down as a click on its arrow does.
constexpr UINT SIM_USER_DROPDOWN = 0x0391;
// wParam: a trackbar scroll code; lParam: the thumb position for TB_THUMBTRACK / TB_THUMBPOSITION.
constexpr UINT SIM_USER_SCROLL = 0x0392;
// Ends a list view's label edit: wParam 1 keeps the typed text, 0 cancels.
constexpr UINT SIM_END_LABEL_EDIT = 0x0393;

}  // namespace vexa::sim::win
