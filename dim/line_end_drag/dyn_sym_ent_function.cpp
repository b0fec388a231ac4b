// "Vexa-dynSymEnt": lengthens or shortens a line by dragging one end along the line.
#include <optional>

#include "acad/aced.h"
#include "dim/dim_functions.h"
#include "dim/line_end_drag/SymCenIPM.h"
#include "dim/line_end_drag/cursor_start.h"
#include "frame/drawing_view.h"
#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::dim {

namespace {

struct DragCall {
    AcDbObjectId line;
    const ACHAR* prompt = nullptr;
    short selector = 1;
};

std::optional<DragCall> readDragCall(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.size() < 2) return std::nullopt;
    DragCall call;
    ads_name name{0, 0};
    call.prompt = items[1].string();
    if (!items[0].entityName(name) || acdbGetObjectId(call.line, name) != Acad::eOk || call.prompt == nullptr)
        return std::nullopt;
    if (items.size() > 2) {
        const std::optional<short> selector = items[2].integer();
        if (!selector) return std::nullopt;
        call.selector = *selector;
    }
    return call;
}

// Highlights or unhighlights the line; its ends, or nothing when it is no line open for write.
std::optional<std::pair<AcGePoint3d, AcGePoint3d>> markLine(const AcDbObjectId& id, bool highlight) {
    AcDbLine* line = nullptr;
    if (acdbOpenObject(line, id, AcDb::kForWrite) != Acad::eOk) return std::nullopt;
    const std::pair ends{line->startPoint(), line->endPoint()};
    if (highlight) line->highlight();
    else line->unhighlight();
    line->close();
    return ends;
}

void placeCursorOnLine(const AcGePoint3d& fixed, const AcGePoint3d& moving) {
    const std::optional<CPoint> fixedPixel = frame::pixelOf(fixed);
    const std::optional<CPoint> movingPixel = frame::pixelOf(moving);
    if (!fixedPixel || !movingPixel) return;
    const frame::ViewSize view = frame::drawingViewSize();
    frame::placeCursor(cursorStart(*fixedPixel, *movingPixel, view.width, view.height));
}

// Asks for the point while the monitor drags the end; whether a point was picked.
bool dragEnd(SymCenIPM& monitor, const ACHAR* prompt) {
    AcApDocument* document = curDoc();
    AcEdInputPointManager* manager = document != nullptr ? document->inputPointManager() : nullptr;
    if (manager == nullptr || manager->addPointMonitor(&monitor) != Acad::eOk) return false;
    ads_point picked{0.0, 0.0, 0.0};
    const int status = acedGetPoint(nullptr, prompt, picked);
    manager->removePointMonitor(&monitor);
    return status == RTNORM;
}

}  // namespace

int dynSymEnt(resbuf* args) {
    const std::optional<DragCall> call = readDragCall(args);
    if (!call) return acedRetNil();
    const auto ends = markLine(call->line, true);
    if (!ends) return acedRetNil();
    const auto& [start, end] = *ends;
    const bool startMoves = call->selector < 1;
    placeCursorOnLine(startMoves ? end : start, startMoves ? start : end);

    SymCenIPM monitor(call->line, start, end, call->selector);
    const bool picked = monitor.ready() && dragEnd(monitor, call->prompt);
    AcDbLine* line = nullptr;
    if (acdbOpenObject(line, call->line, AcDb::kForWrite) != Acad::eOk) return acedRetNil();
    line->unhighlight();
    if (picked) {
        if (monitor.selector() < 1) line->setStartPoint(monitor.movingPoint());
        else line->setEndPoint(monitor.movingPoint());
    }
    line->close();
    if (!picked) return acedRetNil();
    const AcGePoint3d& moved = monitor.movingPoint();
    const ads_point point{moved.x, moved.y, moved.z};
    frame::ListBuilder result;
    result.integer(monitor.selector()).point(point).returnResult();
    return RTNORM;
}

}  // namespace vexa::dim
