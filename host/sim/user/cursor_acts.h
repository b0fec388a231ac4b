// The scripted user's cursor acts as user files name them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/user/user_input.h"

namespace vexa::sim::monitors {

// "move X,Y" (a world point of the current viewport), "move-pixel PX,PY" (a client pixel of the
// drawing view), "graphics" (print what the monitors showed at the last move). Nothing for another
// verb; std::invalid_argument for a known verb with bad words.
std::optional<std::vector<PromptAnswer>> parseCursorAct(const std::wstring& verb, const std::wstring& rest);

}  // namespace vexa::sim::monitors
