// The single-precision fields of the dialogs hold the caller's reals.
#pragma once

#include <algorithm>
#include <limits>

namespace vexa::frame {

// A real beyond float's range becomes the largest float rather than an undefined conversion.
inline float toSinglePrecision(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

}  // namespace vexa::frame
