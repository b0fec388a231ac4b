// The one progress window of the process, from the opening call to the closing call (or unload).
#pragma once

#include <string>

namespace vexa::setup {

// Opens the window with its caption line unless one is open (which keeps its text).
void openProgress(const std::wstring& caption);
// Does nothing when no window is open.
void showProgress(int percent);
void closeProgress();

}  // namespace vexa::setup
