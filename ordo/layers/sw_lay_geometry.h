// Where the rubber band goes: the view's axes in the world and the band's end beside the cursor.
#pragma once

#include "acad/gevec3d.h"

namespace vexa::ordo {

struct ViewAxes {
    AcGeVector3d x;       // to the right on screen
    AcGeVector3d y;       // up on screen
    AcGeVector3d normal;  // out of the screen
};

// From the display system's z and x axes as world vectors, of any length.
ViewAxes viewAxes(const AcGeVector3d& displayZ, const AcGeVector3d& displayX);

// 17 pixels to the right of and 17 pixels below the cursor, so the band does not hide it.
AcGePoint3d bandEnd(const AcGePoint3d& cursor, double pixelSize, const ViewAxes& axes);

// The radius of the marks at both ends of the band: 2 pixels.
double bandMarkRadius(double pixelSize);

}  // namespace vexa::ordo
