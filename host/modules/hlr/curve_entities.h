// A projected edge as the host's curve entity of its kind, in the view plane (z = 0).
#pragma once

#include "acad/dbmain.h"

class TopoDS_Edge;

namespace vexa::hlr {

// A line, circle, arc, ellipse or spline as the edge's curve is, a polyline for any other curve;
// null for a degenerate edge (a point in the view).
AcDbEntity* entityOfEdge(const TopoDS_Edge& edge);

}  // namespace vexa::hlr
