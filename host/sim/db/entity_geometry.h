// Where an entity lies in the XY plane, for picks, windows, fences and polygons.
#pragma once

#include <vector>

#include "db/records.h"

namespace vexa::sim::db {

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// Where a point falls on a dimension's line (rotated: at its angle; aligned: parallel to the
// measured points), in the XY plane.
Point2 onDimensionLine(const DimensionGeometry& dimension, const Point3& point);
// Where the host puts a dimension's text when it places it itself: the middle of the dimension
// line between the measured points.
Point3 defaultTextPosition(const DimensionGeometry& dimension);

// An entity's outline as one line of points: lines and polylines exactly, circles and arcs as
// chords fine enough for picking, a text as the box its characters take.
std::vector<Point2> outlineOf(const Entity& entity);

// Smallest distance from the point to the outline.
double distanceTo(const Entity& entity, Point2 point);

struct Box {
    Point2 low;
    Point2 high;

    static Box around(Point2 a, Point2 b);
};

// Window: every part of the entity lies inside. Crossing: some part lies inside or crosses an edge.
bool insideBox(const Entity& entity, const Box& box);
bool crossesBox(const Entity& entity, const Box& box);
// The same against a polygon, closed back to its first point.
bool insidePolygon(const Entity& entity, const std::vector<Point2>& polygon);
bool crossesPolygon(const Entity& entity, const std::vector<Point2>& polygon);
// A fence: an open line of points that the entity crosses or touches.
bool crossesFence(const Entity& entity, const std::vector<Point2>& fence);

}  // namespace vexa::sim::db
