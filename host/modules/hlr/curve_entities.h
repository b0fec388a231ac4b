// A projected edge as the host's curve entity of its kind, in the view plane (z = 0).
#pragma once

#include "acad/dbmain.h"

#include <vector>

#include "acad/dbgeometry.h"

class TopoDS_Edge;

namespace vexa::hlr {

// A line, circle, arc, ellipse or spline as the edge's curve is, a polyline for any other curve;
// null for a degenerate edge (a point in the view).
AcDbEntity* entityOfEdge(const TopoDS_Edge& edge);

struct Segment {
    AcGePoint3d start;
    AcGePoint3d end;
};

// Segments joined where their ends meet, in the order the first of each chain came: a line for
// a segment that meets no other, a polyline for a chain (closed when it comes back to its start).
std::vector<AcDbEntity*> entitiesOfSegmentChains(const std::vector<Segment>& segments);

// The ends of a straight edge in the view plane; false for any other edge.
bool straightSegment(const TopoDS_Edge& edge, Segment& segment);

}  // namespace vexa::hlr
