#include "dim/line_end_drag/cursor_start.h"

#include <array>
#include <cmath>
#include <optional>

namespace vexa::dim {

namespace {

constexpr double kMargin = 3.0;

struct Pixel {
    double x;
    double y;
};

// The crossing of segments p0-p1 and q0-q1, when it lies on both.
std::optional<Pixel> crossing(Pixel p0, Pixel p1, Pixel q0, Pixel q1) {
    const double rx = p1.x - p0.x, ry = p1.y - p0.y;
    const double sx = q1.x - q0.x, sy = q1.y - q0.y;
    const double denominator = rx * sy - ry * sx;
    if (denominator == 0.0) return std::nullopt;
    const double t = ((q0.x - p0.x) * sy - (q0.y - p0.y) * sx) / denominator;
    const double u = ((q0.x - p0.x) * ry - (q0.y - p0.y) * rx) / denominator;
    if (t < 0.0 || t > 1.0 || u < 0.0 || u > 1.0) return std::nullopt;
    return Pixel{p0.x + t * rx, p0.y + t * ry};
}

}  // namespace

CPoint cursorStart(const CPoint& fixed, const CPoint& moving, int width, int height) {
    const double w = width, h = height;
    if (kMargin < moving.x && moving.x < w - kMargin && kMargin < moving.y && moving.y < h - kMargin) return moving;
    const Pixel from{static_cast<double>(fixed.x), static_cast<double>(fixed.y)};
    const Pixel to{static_cast<double>(moving.x), static_cast<double>(moving.y)};
    const std::array<Pixel, 5> corners{{{kMargin, kMargin}, {w, kMargin}, {w, h}, {kMargin, h}, {kMargin, kMargin}}};
    for (std::size_t edge = 0; edge < 4; ++edge) {
        if (const std::optional<Pixel> at = crossing(from, to, corners[edge], corners[edge + 1]))
            return CPoint(static_cast<int>(std::trunc(at->x)), static_cast<int>(std::trunc(at->y)));
    }
    return moving;
}

}  // namespace vexa::dim
