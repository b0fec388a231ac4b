// A point argument of the support library: a LISP point of two or three numbers, whatever its
// type (the host hands a list of reals as a point, a list holding integers as a list).
#pragma once

#include <optional>

#include "acad/adscodes.h"
#include "frame/lisp_items.h"

namespace vexa::kito {

struct PointArgument {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

std::optional<PointArgument> pointOf(const frame::Element& item);

}  // namespace vexa::kito
