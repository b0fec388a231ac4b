// The arguments of "Vexa-Hlr": a solid, the view's target and direction, and the service's flags.
#pragma once

#include <optional>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"

namespace vexa::solid3d {

struct HlrRequest {
    AcDbObjectId solid;
    AcGePoint3d target;
    AcGeVector3d direction;
    short flags = 0;
};

// Nothing for a malformed call: an entity that does not exist or is not a solid, a target or
// direction that is not a point, a zero direction, flags that are not an integer, items missing.
std::optional<HlrRequest> readHlrRequest(const resbuf* args);

}  // namespace vexa::solid3d
