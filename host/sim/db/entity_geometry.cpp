#include "db/entity_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vexa::sim::db {

namespace {

using Stroke = std::vector<Point2>;

constexpr double kChordStep = std::numbers::pi / 36;  // 5 degrees: chords stay within 0.1% of the radius
// The width of one character of a text, as a share of its height.
constexpr double kCharacterWidth = 0.6;

Point2 flat(const Point3& point) { return {point.x, point.y}; }

Point2 onCircle(const Point3& center, double radius, double angle) {
    return {center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
}

Stroke arcStroke(const Point3& center, double radius, double start, double sweep) {
    const int steps = std::max(1, static_cast<int>(std::ceil(sweep / kChordStep)));
    Stroke stroke;
    for (int i = 0; i <= steps; ++i) stroke.push_back(onCircle(center, radius, start + sweep * i / steps));
    return stroke;
}

struct OutlineOf {
    Stroke operator()(const LineGeometry& line) const { return {flat(line.start), flat(line.end)}; }
    Stroke operator()(const CircleGeometry& circle) const {
        return arcStroke(circle.center, circle.radius, 0.0, 2 * std::numbers::pi);
    }
    Stroke operator()(const ArcGeometry& arc) const {
        double sweep = std::fmod(arc.endAngle - arc.startAngle, 2 * std::numbers::pi);
        if (sweep <= 0.0) sweep += 2 * std::numbers::pi;
        return arcStroke(arc.center, arc.radius, arc.startAngle, sweep);
    }
    Stroke operator()(const PolylineGeometry& polyline) const {
        Stroke stroke;
        for (const Point3& vertex : polyline.vertices) stroke.push_back(flat(vertex));
        if (polyline.closed && stroke.size() > 2) stroke.push_back(stroke.front());
        return stroke;
    }
    Stroke operator()(const TextGeometry& text) const {
        const double width = text.height * kCharacterWidth * static_cast<double>(std::max<std::size_t>(1, text.text.size()));
        const double c = std::cos(text.rotation);
        const double s = std::sin(text.rotation);
        auto corner = [&](double u, double v) {
            return Point2{text.position.x + u * c - v * s, text.position.y + u * s + v * c};
        };
        return {corner(0, 0), corner(width, 0), corner(width, text.height), corner(0, text.height), corner(0, 0)};
    }
    // An ellipse's outline as seen from above.
    Stroke operator()(const EllipseGeometry& ellipse) const {
        const Point3& a = ellipse.majorAxis;
        const Point3& n = ellipse.normal;
        const Point3 b{ellipse.radiusRatio * (n.y * a.z - n.z * a.y), ellipse.radiusRatio * (n.z * a.x - n.x * a.z),
                       ellipse.radiusRatio * (n.x * a.y - n.y * a.x)};
        double sweep = ellipse.endParameter - ellipse.startParameter;
        if (sweep <= 0.0) sweep += 2 * std::numbers::pi;
        const int steps = std::max(1, static_cast<int>(std::ceil(sweep / kChordStep)));
        Stroke stroke;
        for (int i = 0; i <= steps; ++i) {
            const double t = ellipse.startParameter + sweep * i / steps;
            stroke.push_back({ellipse.center.x + a.x * std::cos(t) + b.x * std::sin(t),
                              ellipse.center.y + a.y * std::cos(t) + b.y * std::sin(t)});
        }
        return stroke;
    }
    // A spline by its control polygon, which holds the curve within its hull.
    Stroke operator()(const SplineGeometry& spline) const {
        Stroke stroke;
        for (const Point3& point : spline.controlPoints) stroke.push_back(flat(point));
        return stroke;
    }
    Stroke operator()(const SolidGeometry& solid) const {
        return {flat(solid.low), {solid.high.x, solid.low.y}, flat(solid.high), {solid.low.x, solid.high.y}, flat(solid.low)};
    }
    Stroke operator()(const MTextGeometry& text) const {
        const double width = text.width > 0.0 ? text.width
                                              : text.height * kCharacterWidth *
                                                    static_cast<double>(std::max<std::size_t>(1, text.contents.size()));
        const Point2 top = flat(text.position);
        const Point2 bottom{top.x, top.y - text.height};
        return {top, {top.x + width, top.y}, {top.x + width, bottom.y}, bottom, top};
    }
    Stroke operator()(const AttributeDefinitionGeometry& definition) const { return (*this)(definition.text); }
    Stroke operator()(const AttributeGeometry& attribute) const { return (*this)(attribute.text); }
    // The extension lines' feet, the dimension line between them, and the text's middle.
    Stroke operator()(const DimensionGeometry& dimension) const {
        return {flat(dimension.xLine1), onDimensionLine(dimension, dimension.xLine1), flat(dimension.textPosition),
                onDimensionLine(dimension, dimension.xLine2), flat(dimension.xLine2)};
    }
    Stroke operator()(const LeaderGeometry& leader) const {
        Stroke stroke;
        for (const Point3& vertex : leader.vertices) stroke.push_back(flat(vertex));
        if (stroke.size() == 1) stroke.push_back(stroke.front());
        return stroke;
    }
    // The text's box: as high as the scaled text, four characters wide, from its place to the right.
    Stroke operator()(const MLeaderGeometry& leader) const {
        const double height = leader.textHeight * leader.scale;
        const Point2 low = flat(leader.position);
        const Point2 high{low.x + 4 * kCharacterWidth * height, low.y + height};
        return {low, {high.x, low.y}, high, {low.x, high.y}, low};
    }
    // Without its block's geometry a reference is only its insertion point.
    Stroke operator()(const BlockReferenceGeometry& reference) const {
        return {flat(reference.position), flat(reference.position)};
    }
};

double segmentDistance(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double cross(Point2 o, Point2 a, Point2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool onSegment(Point2 p, Point2 a, Point2 b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Touching counts as crossing.
bool segmentsMeet(Point2 a, Point2 b, Point2 c, Point2 d) {
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    return (d1 == 0 && onSegment(a, c, d)) || (d2 == 0 && onSegment(b, c, d)) || (d3 == 0 && onSegment(c, a, b)) ||
           (d4 == 0 && onSegment(d, a, b));
}

bool pointInPolygon(Point2 p, const std::vector<Point2>& polygon) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point2 a = polygon[i];
        const Point2 b = polygon[j];
        if (segmentDistance(p, a, b) == 0.0) return true;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

// Whether a segment of the stroke meets an edge of the line of points.
bool strokesCross(const Stroke& stroke, const std::vector<Point2>& line, bool closed) {
    const std::size_t edges = closed ? line.size() : line.size() - 1;
    for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
        for (std::size_t e = 0; e < edges; ++e) {
            if (segmentsMeet(stroke[i], stroke[i + 1], line[e], line[(e + 1) % line.size()])) return true;
        }
    }
    return false;
}

std::vector<Point2> corners(const Box& box) {
    return {box.low, {box.high.x, box.low.y}, box.high, {box.low.x, box.high.y}};
}

}  // namespace

Box Box::around(Point2 a, Point2 b) {
    return {{std::min(a.x, b.x), std::min(a.y, b.y)}, {std::max(a.x, b.x), std::max(a.y, b.y)}};
}

Point2 onDimensionLine(const DimensionGeometry& dimension, const Point3& point) {
    double dx = std::cos(dimension.rotation);
    double dy = std::sin(dimension.rotation);
    const double length = std::hypot(dimension.xLine2.x - dimension.xLine1.x, dimension.xLine2.y - dimension.xLine1.y);
    if (dimension.aligned && length > 0.0) {
        dx = (dimension.xLine2.x - dimension.xLine1.x) / length;
        dy = (dimension.xLine2.y - dimension.xLine1.y) / length;
    }
    const double along = (point.x - dimension.dimLine.x) * dx + (point.y - dimension.dimLine.y) * dy;
    return {dimension.dimLine.x + along * dx, dimension.dimLine.y + along * dy};
}

Point3 defaultTextPosition(const DimensionGeometry& dimension) {
    const Point3 middle{(dimension.xLine1.x + dimension.xLine2.x) / 2, (dimension.xLine1.y + dimension.xLine2.y) / 2, 0.0};
    const Point2 place = onDimensionLine(dimension, middle);
    return {place.x, place.y, dimension.dimLine.z};
}

std::vector<Point2> outlineOf(const Entity& entity) { return std::visit(OutlineOf{}, entity.geometry); }

double distanceTo(const Entity& entity, Point2 point) {
    const Stroke stroke = outlineOf(entity);
    double best = std::numeric_limits<double>::infinity();
    if (stroke.size() == 1) best = std::hypot(point.x - stroke[0].x, point.y - stroke[0].y);
    for (std::size_t i = 0; i + 1 < stroke.size(); ++i) best = std::min(best, segmentDistance(point, stroke[i], stroke[i + 1]));
    return best;
}

bool insideBox(const Entity& entity, const Box& box) {
    const Stroke stroke = outlineOf(entity);
    return std::all_of(stroke.begin(), stroke.end(), [&](Point2 p) {
        return p.x >= box.low.x && p.x <= box.high.x && p.y >= box.low.y && p.y <= box.high.y;
    });
}

bool crossesBox(const Entity& entity, const Box& box) { return crossesPolygon(entity, corners(box)); }

bool insidePolygon(const Entity& entity, const std::vector<Point2>& polygon) {
    if (polygon.size() < 3) return false;
    const Stroke stroke = outlineOf(entity);
    if (!std::all_of(stroke.begin(), stroke.end(), [&](Point2 p) { return pointInPolygon(p, polygon); })) return false;
    // A concave polygon may leave part of a segment outside although both its ends are in.
    for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
        const Point2 middle{(stroke[i].x + stroke[i + 1].x) / 2, (stroke[i].y + stroke[i + 1].y) / 2};
        if (!pointInPolygon(middle, polygon)) return false;
    }
    return true;
}

bool crossesPolygon(const Entity& entity, const std::vector<Point2>& polygon) {
    if (polygon.size() < 3) return false;
    const Stroke stroke = outlineOf(entity);
    return std::any_of(stroke.begin(), stroke.end(), [&](Point2 p) { return pointInPolygon(p, polygon); }) ||
           strokesCross(stroke, polygon, true);
}

bool crossesFence(const Entity& entity, const std::vector<Point2>& fence) {
    return fence.size() >= 2 && strokesCross(outlineOf(entity), fence, false);
}

}  // namespace vexa::sim::db
