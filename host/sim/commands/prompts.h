// The host's own prompts for points and numbers, read from typed input as its commands read them.
#pragma once

#include <optional>

#include "db/records.h"

namespace vexa::sim {

class Host;

// "x,y" or "x,y,z". An object-snap override ("_none", "end" …) is taken and the prompt asked
// again; nothing on Enter or ESC.
std::optional<db::Point3> promptPoint(Host& host, const wchar_t* prompt);

// A positive number; nothing on Enter or ESC.
std::optional<double> promptDistance(Host& host, const wchar_t* prompt);

}  // namespace vexa::sim
