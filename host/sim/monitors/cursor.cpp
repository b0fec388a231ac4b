#include "monitors/cursor.h"

#include "acad/aced.h"
#include "acad/acedvports.h"
#include "monitors/draw_context.h"
#include "sim/editor/selection_scope.h"
#include "sim/host.h"

namespace vexa::sim::monitors {

namespace {

AcGePoint3d toPoint(const db::Point3& p) { return {p.x, p.y, p.z}; }

// The mouse is the digitizer, so a move carries no history bits but those of the pick box.
constexpr int kForcedPickHistory = Acad::eForcedPick | Acad::eUsedPickBox;

// What the pick box holds, as a pick that takes everything in it (":E") would find it.
std::vector<db::ObjectId> entitiesInPickBox(Host& host, const db::Database& database, const db::Point3& point) {
    const editor::SelectionFilter everything;
    const editor::SelectionScope scope(database, everything, true);
    return scope.near({point.x, point.y}, host.editor().pickReach(), true);
}

// The simulated editor keeps no last point (LASTPOINT); the host's starts at the origin.
const AcGePoint3d kLastPoint;

}  // namespace

void Cursor::moveTo(const db::Point3& world) { report({true, 0, world}); }

void Cursor::moveToPixel(POINT pixel) {
    const int viewport = acedGetWinNum(pixel.x, pixel.y);
    ads_point world{0.0, 0.0, 0.0};
    const bool computed = viewport != 0 && acedCoordFromPixelToWorld(viewport, CPoint(pixel), world);
    report({computed, 0, {world[0], world[1], world[2]}});
}

void Cursor::perform(const PromptAnswer& act) {
    if (act.kind == PromptAnswer::Kind::Graphics) {
        host_.commandLine().print(L"\n" + (log_.empty() ? std::wstring(L"no cursor move yet\n") : GraphicsLog::describe(log_.last())));
        return;
    }
    // The move passes the host's loop first, where its watchers see WM_MOUSEMOVE.
    host_.input().moveMouse(host_.editor().screenPoint(act.position));
    host_.input().runHostLoop();
    if (act.position.pixel) {
        moveToPixel({static_cast<LONG>(act.position.x), static_cast<LONG>(act.position.y)});
    } else {
        moveTo({act.position.x, act.position.y, 0.0});
    }
}

void Cursor::report(InputPoint input) {
    Document* document = host_.documents().current();
    if (document == nullptr) return;
    InputPointManager& manager = document->inputPoints();
    CursorFrame frame;
    frame.cursor = input.point;
    frame.pointComputed = input.computed;
    frame.forcedPick = manager.forcedPickCount() > 0;
    frame.hostCursorGraphics = manager.systemCursorDisableCount() == 0;
    if (frame.forcedPick && input.computed) {
        input.history |= kForcedPickHistory;
        frame.picked = entitiesInPickBox(host_, document->database(), input.point);
    }
    AcDbObjectIdArray aperture;
    for (db::ObjectId id : frame.picked) aperture.append(document->database().objectId(id));

    const AcGePoint3d point = input.computed ? toPoint(input.point) : AcGePoint3d();
    const AcArray<AcDbCustomOsnapMode*> noCustomModes;
    const AcArray<AcDbObjectIdArray> noNesting;
    const AcArray<std::intptr_t> noMarkers;
    const AcArray<AcDbObjectId> noKeyPoints;
    const AcArray<AcGeCurve3d*> noPaths;
    DrawContext draw(frame.graphics);
    // A monitor may detach itself or others while it is called: walk a copy, skipping the detached.
    for (const InputPointManager::Attached attached : std::vector(manager.monitors())) {
        if (!manager.isAttached(attached.monitor)) continue;
        bool append = false;
        ACHAR* addition = nullptr;
        attached.monitor->monitorInputPoint(append, addition, &draw, document, input.computed, input.history,
                                            kLastPoint, point, point, point, point, AcDb::OsnapMask{}, noCustomModes,
                                            AcDb::OsnapMask{}, noCustomModes, aperture, noNesting, noMarkers,
                                            noKeyPoints, noPaths, point, frame.tooltip.c_str());
        if (addition == nullptr) continue;
        frame.tooltip = append ? frame.tooltip + addition : std::wstring(addition);
        acutDelString(addition);
    }
    log_.add(std::move(frame));
}

}  // namespace vexa::sim::monitors
