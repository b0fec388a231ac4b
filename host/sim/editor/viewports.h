// The viewports of the drawing view: the client pixels each one covers and the world window it
// shows, with the mapping between the two. Model space is tiled; a layout is a paper sheet
// (viewport 1, in paper units) with floating viewports on it that show model space.
#pragma once

#include <vector>

#include "db/entity_geometry.h"
#include "win/winuser.h"

namespace vexa::sim::editor {

constexpr int kPaperSpace = 1;

struct Viewport {
    int number = 0;
    RECT pixels{};  // client pixels of the drawing view; right and bottom lie outside
    db::Point2 center;
    double pixelsPerUnit = 10.0;

    // Pixel y grows downwards, world y upwards.
    db::Point2 toWorld(POINT pixel) const;
    POINT toPixel(db::Point2 world) const;
    bool contains(POINT pixel) const;
};

class Viewports {
public:
    // Model space with one viewport, number 2 (1 is paper space), over the whole client area.
    explicit Viewports(RECT client);

    // The viewports of the space shown: the tiles, or the sheet followed by its floating viewports.
    const std::vector<Viewport>& all() const { return inLayout_ ? layout_ : tiled_; }
    const Viewport* find(int number) const;
    // A floating viewport lies on top of the sheet.
    const Viewport* at(POINT pixel) const;
    // Splits model space into `count` side-by-side viewports numbered from 2, each showing what
    // the first one showed.
    void tile(int count);
    bool setView(int number, db::Point2 center, double pixelsPerUnit);
    // The viewport Ctrl+R makes current after `number`.
    int next(int number) const;

    bool inLayout() const { return inLayout_; }
    void showLayout(bool layout) { inLayout_ = layout; }
    // Replaces the layout's floating viewports by `count` side-by-side ones that fill the sheet's
    // drawing area, each showing what model space's first viewport shows.
    void makeFloating(int count);

private:
    RECT client_;
    std::vector<Viewport> tiled_;
    std::vector<Viewport> layout_;
    bool inLayout_ = false;
};

}  // namespace vexa::sim::editor
