#include "sim/editor/viewports.h"

#include <algorithm>
#include <cmath>

namespace vexa::sim::editor {

namespace {

constexpr int kFirstNumber = 2;
// An A3 sheet in millimetres, with a 10 mm margin for drawing.
constexpr double kSheetWidth = 420.0;
constexpr double kSheetHeight = 297.0;
constexpr double kSheetMargin = 10.0;

// Side-by-side strips of a rectangle, numbered from kFirstNumber, each a copy of `shown`.
std::vector<Viewport> strips(const Viewport& shown, RECT area, int count) {
    std::vector<Viewport> out;
    const LONG width = area.right - area.left;
    for (int i = 0; i < count; ++i) {
        Viewport viewport = shown;
        viewport.number = kFirstNumber + i;
        viewport.pixels = {area.left + width * i / count, area.top, area.left + width * (i + 1) / count, area.bottom};
        out.push_back(viewport);
    }
    return out;
}

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
    tiled_.push_back(first);
    // The sheet fills the view with a border around it.
    Viewport sheet;
    sheet.number = kPaperSpace;
    sheet.pixels = client;
    sheet.center = {kSheetWidth / 2.0, kSheetHeight / 2.0};
    sheet.pixelsPerUnit = std::min((client.right - client.left) / (kSheetWidth * 1.05),
                                   (client.bottom - client.top) / (kSheetHeight * 1.05));
    layout_.push_back(sheet);
}

const Viewport* Viewports::find(int number) const {
    const std::vector<Viewport>& shown = all();
    auto it = std::find_if(shown.begin(), shown.end(), [&](const Viewport& v) { return v.number == number; });
    return it == shown.end() ? nullptr : &*it;
}

const Viewport* Viewports::at(POINT pixel) const {
    const std::vector<Viewport>& shown = all();
    auto it = std::find_if(shown.rbegin(), shown.rend(), [&](const Viewport& v) { return v.contains(pixel); });
    return it == shown.rend() ? nullptr : &*it;
}

void Viewports::tile(int count) { tiled_ = strips(tiled_.front(), client_, std::clamp(count, 1, 4)); }

void Viewports::makeFloating(int count) {
    const Viewport& sheet = layout_.front();
    const POINT low = sheet.toPixel({kSheetMargin, kSheetMargin});
    const POINT high = sheet.toPixel({kSheetWidth - kSheetMargin, kSheetHeight - kSheetMargin});
    std::vector<Viewport> floating = strips(tiled_.front(), {low.x, high.y, high.x, low.y}, std::clamp(count, 1, 4));
    layout_.resize(1);
    layout_.insert(layout_.end(), floating.begin(), floating.end());
}

bool Viewports::setView(int number, db::Point2 center, double pixelsPerUnit) {
    std::vector<Viewport>& shown = inLayout_ ? layout_ : tiled_;
    auto it = std::find_if(shown.begin(), shown.end(), [&](const Viewport& v) { return v.number == number; });
    if (it == shown.end() || !(pixelsPerUnit > 0.0) || !std::isfinite(pixelsPerUnit)) return false;
    it->center = center;
    it->pixelsPerUnit = pixelsPerUnit;
    return true;
}

int Viewports::next(int number) const {
    const std::vector<Viewport>& shown = all();
    auto it = std::find_if(shown.begin(), shown.end(), [&](const Viewport& v) { return v.number == number; });
    if (it == shown.end() || ++it == shown.end()) return shown.front().number;
    return it->number;
}

}  // namespace vexa::sim::editor
