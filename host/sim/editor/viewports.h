// The tiled viewports of the drawing view: the client pixels each one covers and the world
// window it shows, with the mapping between the two.
#pragma once

#include <vector>

#include "db/entity_geometry.h"
#include "win/winuser.h"

namespace vexa::sim::editor {

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
    // One viewport, number 2 (1 is paper space), over the whole client area.
    explicit Viewports(RECT client);

    const std::vector<Viewport>& all() const { return viewports_; }
    const Viewport* find(int number) const;
    const Viewport* at(POINT pixel) const;
    // Splits the view into `count` side-by-side viewports numbered from 2, each showing what
    // the first one showed.
    void tile(int count);
    bool setView(int number, db::Point2 center, double pixelsPerUnit);
    // The viewport Ctrl+R makes current after `number`.
    int next(int number) const;

private:
    RECT client_;
    std::vector<Viewport> viewports_;
};

}  // namespace vexa::sim::editor
