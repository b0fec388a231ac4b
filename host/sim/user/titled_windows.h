// The host's windows as the user's acts name them and print them: by their title or, for a
// caption-less window (the notice and running windows), by the text one of their controls shows.
#pragma once

#include <string>
#include <vector>

#include "win/handles.h"

namespace vexa::sim {
class Host;
}

namespace vexa::sim::win {

// The host's top-level windows, neither its main window nor another program's, whose title or
// one of whose controls' texts is `title`, case ignored.
std::vector<HWND> windowsTitled(Host& host, const std::wstring& title);

// A window's state as `show` prints it: the dialog dump, marked when the window is hidden.
std::wstring windowState(Host& host, HWND window);

}  // namespace vexa::sim::win
