// The one notice window of the process, kept from the first call with a text to the closing call.
#pragma once

#include <string>

namespace vexa::kito {

// Opens the window with `text` unless one is open; an open one is shown again with its first text.
void showNotice(const std::wstring& text);

// Destroys the window if one is open.
void closeNotice();

}  // namespace vexa::kito
