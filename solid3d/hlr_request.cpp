#include "solid3d/hlr_request.h"

#include "acad/dbsol3d.h"
#include "frame/lisp_items.h"

namespace vexa::solid3d {

namespace {

std::optional<AcGePoint3d> pointOf(const frame::Element& item) {
    const resbuf* node = item.node();
    if (node->restype == RT3DPOINT) return AcGePoint3d(node->resval.rpoint[0], node->resval.rpoint[1], node->resval.rpoint[2]);
    if (node->restype == RTPOINT) return AcGePoint3d(node->resval.rpoint[0], node->resval.rpoint[1], 0.0);
    return std::nullopt;
}

bool isSolid(const AcDbObjectId& id) {
    AcDb3dSolid* solid = nullptr;
    if (acdbOpenObject(solid, id, AcDb::kForRead) != Acad::eOk) return false;
    solid->close();
    return true;
}

}  // namespace

std::optional<HlrRequest> readHlrRequest(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.size() < 4 || items[0].node()->restype != RTENAME) return std::nullopt;
    const std::optional<AcGePoint3d> target = pointOf(items[1]);
    const std::optional<AcGePoint3d> direction = pointOf(items[2]);
    const std::optional<short> flags = items[3].integer();
    if (!target || !direction || !flags) return std::nullopt;
    HlrRequest request{{}, *target, {direction->x, direction->y, direction->z}, *flags};
    if (!(request.direction.length() > 0.0)) return std::nullopt;
    if (acdbGetObjectId(request.solid, items[0].node()->resval.rlname) != Acad::eOk) return std::nullopt;
    if (!isSolid(request.solid)) return std::nullopt;
    return request;
}

}  // namespace vexa::solid3d
