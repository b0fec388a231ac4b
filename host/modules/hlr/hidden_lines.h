// Hidden-line removal of one B-rep shape along a view direction, with Open CASCADE's exact or
// polygonal algorithm; results in the view's plane, sorted into the service's visibility classes.
#pragma once

#include <vector>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"

class TopoDS_Shape;

namespace vexa::hlr {

struct ViewCurve {
    AcDbEntity* entity;  // new, not in any database
    int visibility;
};

// size: the shape's extent, for the polygonal mode's mesh. direction: from the target towards
// the eye, not zero. flags: the engine's AsdkHlrControl bits.
std::vector<ViewCurve> removeHiddenLines(const TopoDS_Shape& shape, double size, const AcGePoint3d& target,
                                         const AcGeVector3d& direction, short flags);

}  // namespace vexa::hlr
