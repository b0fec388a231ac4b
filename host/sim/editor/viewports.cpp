#include "sim/editor/viewports.h"

#include <algorithm>
#include <cmath>

namespace vexa::sim::editor {

namespace {

constexpr int kFirstNumber = 2;

double middle(LONG low, LONG high) { return (static_cast<double>(low) + static_cast<double>(high)) / 2.0; }

}  // namespace

db::Point2 Viewport::toWorld(POINT pixel) const {
    return {center.x + (pixel.x - middle(pixels.left, pixels.right)) / pixelsPerUnit,
            center.y - (pixel.y - middle(pixels.top, pixels.bottom)) / pixelsPerUnit};
}

POINT Viewport::toPixel(db::Point2 world) const {
    return {static_cast<LONG>(std::lround(middle(pixels.left, pixels.right) + (world.x - center.x) * pixelsPerUnit)),
            static_cast<LONG>(std::lround(middle(pixels.top, pixels.bottom) - (world.y - center.y) * pixelsPerUnit))};
}

bool Viewport::contains(POINT pixel) const {
    return pixel.x >= pixels.left && pixel.x < pixels.right && pixel.y >= pixels.top && pixel.y < pixels.bottom;
}

Viewports::Viewports(RECT client) : client_(client) {
    Viewport first;
    first.number = kFirstNumber;
    first.pixels = client;
    // World origin near the lower left corner, ten pixels a unit.
    first.center = {(client.right - client.left) / 20.0, (client.bottom - client.top) / 20.0};
    viewports_.push_back(first);
}

const Viewport* Viewports::find(int number) const {
    auto it = std::find_if(viewports_.begin(), viewports_.end(), [&](const Viewport& v) { return v.number == number; });
    return it == viewports_.end() ? nullptr : &*it;
}

const Viewport* Viewports::at(POINT pixel) const {
    auto it = std::find_if(viewports_.begin(), viewports_.end(), [&](const Viewport& v) { return v.contains(pixel); });
    return it == viewports_.end() ? nullptr : &*it;
}

void Viewports::tile(int count) {
    count = std::clamp(count, 1, 4);
    const Viewport shown = viewports_.front();
    viewports_.clear();
    const LONG width = client_.right - client_.left;
    for (int i = 0; i < count; ++i) {
        Viewport viewport = shown;
        viewport.number = kFirstNumber + i;
        viewport.pixels = {client_.left + width * i / count, client_.top, client_.left + width * (i + 1) / count,
                           client_.bottom};
        viewports_.push_back(viewport);
    }
}

bool Viewports::setView(int number, db::Point2 center, double pixelsPerUnit) {
    auto it = std::find_if(viewports_.begin(), viewports_.end(), [&](const Viewport& v) { return v.number == number; });
    if (it == viewports_.end() || !(pixelsPerUnit > 0.0)) return false;
    it->center = center;
    it->pixelsPerUnit = pixelsPerUnit;
    return true;
}

int Viewports::next(int number) const {
    auto it = std::find_if(viewports_.begin(), viewports_.end(), [&](const Viewport& v) { return v.number == number; });
    if (it == viewports_.end() || ++it == viewports_.end()) return viewports_.front().number;
    return it->number;
}

}  // namespace vexa::sim::editor
