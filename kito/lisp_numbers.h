// Numbers of the support library's arguments taken as 32-bit integers.
#pragma once

#include <cstdint>
#include <optional>

#include "frame/lisp_items.h"

namespace vexa::kito {

// A real truncated toward zero, clamped to the 32-bit range first; NaN has no integer.
std::optional<std::int32_t> truncatedInt32(double value);

// An integer as it came (RTSHORT or the whole RTLONG), or a real truncated as above; else nothing.
std::optional<std::int32_t> int32Of(const frame::Element& item);

}  // namespace vexa::kito
