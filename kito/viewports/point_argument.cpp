#include "kito/viewports/point_argument.h"

namespace vexa::kito {

namespace {

std::optional<double> numberOf(const frame::Element& item) {
    const resbuf* node = item.node();
    if (node->restype == RTREAL) return node->resval.rreal;
    if (node->restype == RTSHORT) return node->resval.rint;
    if (node->restype == RTLONG) return node->resval.rlong;
    return std::nullopt;
}

}  // namespace

std::optional<PointArgument> pointOf(const frame::Element& item) {
    const resbuf* node = item.node();
    if (node->restype == RTPOINT || node->restype == RT3DPOINT) {
        const double z = node->restype == RT3DPOINT ? node->resval.rpoint[2] : 0.0;
        return PointArgument{node->resval.rpoint[0], node->resval.rpoint[1], z};
    }
    const std::vector<frame::Element> items = item.children();
    if (items.size() < 2 || items.size() > 3) return std::nullopt;
    PointArgument point;
    double* slots[] = {&point.x, &point.y, &point.z};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> number = numberOf(items[i]);
        if (!number) return std::nullopt;
        *slots[i] = *number;
    }
    return point;
}

}  // namespace vexa::kito
