// The one-shot WH_CBT hook that gives a message box's standard buttons the caller's texts
// when the box is first activated.
#pragma once

#include <array>
#include <string>

#include "win/winuser.h"

namespace vexa::kito {

// Shows the box with its buttons relabelled. The hook never outlives the call, also when the
// box fails or is never activated, so it cannot relabel a later window.
int relabelledMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type,
                         const std::array<std::wstring, 3>& labels);

// Removes the hook if one is left.
void removeRelabelHook();

}  // namespace vexa::kito
