// What the monitors showed at each cursor move: transient geometry with its traits, and the tooltip.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/records.h"

namespace vexa::sim::monitors {

struct Primitive {
    enum class Shape { Circle, Polyline, Polygon, Text };
    Shape shape = Shape::Circle;
    int color = 256;                   // the traits' colour index when it was drawn
    std::wstring linetype;             // the traits' linetype name; empty while none was set
    std::vector<db::Point3> points;    // circle: the centre; text: the position
    double radius = 0.0;
    std::optional<db::Point3> normal;  // circle, text; a polyline's when given
    db::Point3 direction;              // text
    double height = 0.0;               // text: the style's text size
    std::wstring text;
};

// One cursor move as the user saw it.
struct CursorFrame {
    db::Point3 cursor;
    bool pointComputed = false;
    bool forcedPick = false;
    bool hostCursorGraphics = true;
    std::vector<db::ObjectId> picked;  // the entities under the pick box handed to the monitors
    std::vector<Primitive> graphics;
    std::wstring tooltip;  // the host's tooltip with the monitors' additions
};

// Every move of the host's life, in order. The text form of one frame:
//   cursor (12.0 18.0 0.0) computed forced-pick host-cursor-off
//     picked 1A 1B
//     circle 141 CONTINUOUS (14.0 16.0 0.0) 0.4 normal (0.0 0.0 1.0)
//     polyline 141 CONTINUOUS (0.0 0.0 0.0) (14.0 16.0 0.0)
//     polygon 7 BYLAYER (0.0 0.0 0.0) (1.0 0.0 0.0) (1.0 1.0 0.0)
//     text 91 CONTINUOUS "<- 3.50 +>" at (97.2 103.4 0.0) height 0.52 direction (1.0 0.0 0.0) normal (0.0 0.0 1.0)
//     tooltip "Layer: A"
// The word "computed" is missing when the host computed no point; the flags appear only when
// set; a line appears only when it has something to say. Colour, then linetype ("BYLAYER" until
// the monitor sets one), then the points; a circle's radius follows its centre.
class GraphicsLog {
public:
    void add(CursorFrame frame) { frames_.push_back(std::move(frame)); }
    bool empty() const { return frames_.empty(); }
    // Precondition: not empty.
    const CursorFrame& last() const { return frames_.back(); }

    static std::wstring describe(const CursorFrame& frame);

private:
    std::vector<CursorFrame> frames_;
};

}  // namespace vexa::sim::monitors
