#include "monitors/cursor.h"

#include "acad/aced.h"
#include "acad/acedvports.h"
#include "lisp/printer.h"
#include "monitors/draw_context.h"
#include "sim/editor/selection_scope.h"
#include "sim/host.h"
#include "sim/user/window_acts.h"

namespace vexa::sim::monitors {

namespace {

AcGePoint3d toPoint(const db::Point3& p) { return {p.x, p.y, p.z}; }

// The digitizer is the tablet (eTablet); the mouse is not it, so its moves and picks carry
// eNotDigitizer, and with forced picking the bits of the pick box.
constexpr int kMouseHistory = Acad::eNotDigitizer;
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

void Cursor::moveTo(const db::Point3& world) { report({true, kMouseHistory, world}); }

void Cursor::moveToPixel(POINT pixel) {
    const std::optional<db::Point3> world = worldAt(pixel);
    report({world.has_value(), kMouseHistory, world.value_or(db::Point3{})});
}

std::optional<db::Point3> Cursor::worldAt(POINT pixel) const {
    const int viewport = acedGetWinNum(pixel.x, pixel.y);
    ads_point world{0.0, 0.0, 0.0};
    if (viewport == 0 || !acedCoordFromPixelToWorld(viewport, CPoint(pixel), world)) return std::nullopt;
    return db::Point3{world[0], world[1], world[2]};
}

POINT Cursor::viewPixel() const {
    const POINT screen = host_.windows().cursor();
    const POINT origin = host_.windows().clientOrigin(host_.editor().view());
    return {screen.x - origin.x, screen.y - origin.y};
}

void Cursor::place(POINT screen) {
    host_.input().moveMouse(screen);
    RECT client{};
    GetClientRect(host_.editor().view(), &client);
    const POINT pixel = viewPixel();
    if (pixel.x >= client.left && pixel.x < client.right && pixel.y >= client.top && pixel.y < client.bottom) {
        moveToPixel(pixel);
    }
}

std::wstring Cursor::describePlace() const {
    const POINT pixel = viewPixel();
    std::wstring out = L"cursor at " + std::to_wstring(pixel.x) + L"," + std::to_wstring(pixel.y) + L" px";
    const std::optional<db::Point3> world = worldAt(pixel);
    if (!world) return out + L" (outside every viewport)\n";
    return out + L" (" + lisp::formatReal(world->x) + L"," + lisp::formatReal(world->y) + L" world)\n";
}

void Cursor::perform(const PromptAnswer& act) {
    if (act.kind == PromptAnswer::Kind::Graphics) {
        host_.commandLine().print(L"\n" + (log_.empty() ? std::wstring(L"no cursor move yet\n") : GraphicsLog::describe(log_.last())) +
                                  describeHighlighted());
        return;
    }
    if (act.kind == PromptAnswer::Kind::CursorPlace) {
        host_.commandLine().print(L"\n" + describePlace());
        return;
    }
    // The move passes the host's loop first, where its watchers see WM_MOUSEMOVE; the acts
    // queued after it see the monitors' answer to it.
    performInTurn([&] {
        host_.input().moveMouse(host_.editor().screenPoint(act.position));
        host_.input().runHostLoop();
        if (act.position.pixel) {
            moveToPixel({static_cast<LONG>(act.position.x), static_cast<LONG>(act.position.y)});
        } else {
            moveTo({act.position.x, act.position.y, 0.0});
        }
    });
}

std::wstring Cursor::describeHighlighted() const {
    Document* document = host_.documents().current();
    if (document == nullptr || document->database().highlighted().empty()) return {};
    std::wstring out = L"  highlighted";
    for (db::ObjectId id : document->database().highlighted()) out += L" " + db::Database::handleOf(id);
    return out + L"\n";
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
