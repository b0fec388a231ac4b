#include "kito/viewports/viewport_functions.h"

#include "acad/aced.h"
#include "acad/acedvports.h"
#include "frame/resbuf_chain.h"
#include "kito/lisp_numbers.h"
#include "kito/usage_texts.h"
#include "kito/viewports/point_argument.h"
#include "kito/viewports/viewport_watcher.h"

namespace vexa::kito {

namespace {

struct Conversion {
    PointArgument point;
    std::optional<int> viewport;  // none: the current one
};

// The point and the optional viewport number; nothing for a call of another shape.
std::optional<Conversion> readConversion(const std::vector<frame::Element>& items) {
    const std::optional<PointArgument> point = pointOf(items[0]);
    if (!point) return std::nullopt;
    Conversion conversion{*point, std::nullopt};
    if (items.size() > 1) {
        const resbuf* node = items[1].node();
        if (node->restype == RTSHORT) conversion.viewport = node->resval.rint;
        else if (node->restype == RTLONG) conversion.viewport = node->resval.rlong;
        else return std::nullopt;
    }
    return conversion;
}

std::optional<int> currentViewport() {
    resbuf value{};
    if (acedGetVar(L"CVPORT", &value) != RTNORM) return std::nullopt;
    if (value.restype == RTSHORT) return value.resval.rint;
    if (value.restype == RTLONG) return value.resval.rlong;
    return std::nullopt;
}

}  // namespace

int pixelToWorld(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    acedRetNil();
    if (items.empty()) {
        printUsage(pixelToWorldUsage());
        return RTNORM;
    }
    const std::optional<Conversion> call = readConversion(items);
    if (!call) return RTNORM;
    const std::optional<std::int32_t> x = truncatedInt32(call->point.x);
    const std::optional<std::int32_t> y = truncatedInt32(call->point.y);
    if (!x || !y) return RTNORM;
    const CPoint pixel(*x, *y);
    ads_point world{0.0, 0.0, 0.0};
    // A viewport the host does not know leaves the world point unset: nil, not a made-up point.
    const BOOL converted = call->viewport ? acedCoordFromPixelToWorld(*call->viewport, pixel, world)
                                          : acedCoordFromPixelToWorld(pixel, world);
    if (converted) acedRetPoint(world);
    return RTNORM;
}

int worldToPixel(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    acedRetNil();
    if (items.empty()) {
        printUsage(worldToPixelUsage());
        return RTNORM;
    }
    const std::optional<Conversion> call = readConversion(items);
    if (!call) return RTNORM;
    const std::optional<int> viewport = call->viewport ? call->viewport : currentViewport();
    if (!viewport) return RTNORM;
    const ads_point world{call->point.x, call->point.y, call->point.z};
    CPoint pixel;
    if (!acedCoordFromWorldToPixel(*viewport, world, pixel)) return RTNORM;
    frame::ListBuilder result;
    result.longInteger(pixel.x).longInteger(pixel.y);
    result.returnResult();
    return RTNORM;
}

int viewportWatchOn(resbuf*) {
    if (!viewportWatchOn() && !startViewportWatch()) acutPrintf(L"\nCan't register Windows Msg hook.");
    acedRetNil();
    return RTNORM;
}

int viewportWatchOff(resbuf*) {
    stopViewportWatch();
    acedRetNil();
    return RTNORM;
}

}  // namespace vexa::kito
