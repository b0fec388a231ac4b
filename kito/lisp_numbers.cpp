#include "kito/lisp_numbers.h"

#include <cmath>
#include <limits>

namespace vexa::kito {

std::optional<std::int32_t> truncatedInt32(double value) {
    if (std::isnan(value)) return std::nullopt;
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (value <= low) return std::numeric_limits<std::int32_t>::min();
    if (value >= high) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value));
}

std::optional<std::int32_t> int32Of(const frame::Element& item) {
    const resbuf* node = item.node();
    if (node->restype == RTSHORT) return node->resval.rint;
    if (node->restype == RTLONG) return node->resval.rlong;
    if (node->restype == RTREAL) return truncatedInt32(node->resval.rreal);
    return std::nullopt;
}

}  // namespace vexa::kito
