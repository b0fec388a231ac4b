// What `show` adds to each line of a dialog's dump: where the control lies (dialog units from
// its template and client pixels), the dialog's font, a picture's image and a list view's columns.
#pragma once

#include <string>

#include "sim/win/user32/window_system.h"

namespace vexa::sim::win {

// " font \"Tahoma\" 8" for a dialog built from a template with a font; empty otherwise.
std::wstring dialogFont(WindowSystem& system, const Window& dialog);
// " at 7,7 60x14 dlu 11,11 90x23 px", then " bitmap 143 32x32", " icon 101" or
// " columns \"Name\" 120, \"Colour\" 60" where the control has them.
std::wstring controlLayout(WindowSystem& system, const Window& control);

}  // namespace vexa::sim::win
