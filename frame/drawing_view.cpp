#include "frame/drawing_view.h"

#include "acad/aced.h"
#include "acad/acedtrans.h"
#include "acad/acedvports.h"
#include "win/winuser.h"

namespace vexa::frame {

double pixelSize() {
    ads_point origin{0.0, 0.0, 0.0};
    ads_point hundred{0.0, 0.0, 0.0};
    acedCoordFromPixelToWorld(CPoint(0, 0), origin);
    acedCoordFromPixelToWorld(CPoint(100, 0), hundred);
    return acutDistance(origin, hundred) / 100.0;
}

int currentViewport() {
    resbuf value{};
    if (acedGetVar(L"CVPORT", &value) != RTNORM || value.restype != RTSHORT) return 0;
    return value.resval.rint;
}

std::optional<CPoint> pixelOf(const AcGePoint3d& world) {
    const ads_point point{world.x, world.y, world.z};
    CPoint pixel;
    if (!acedCoordFromWorldToPixel(currentViewport(), point, pixel)) return std::nullopt;
    return pixel;
}

ViewSize drawingViewSize() {
    CView* view = acedGetAcadDwgView();
    if (view == nullptr) return {};
    RECT client{0, 0, 0, 0};
    view->GetClientRect(&client);
    return {client.right, client.bottom};
}

void placeCursor(CPoint clientPixel) {
    CView* view = acedGetAcadDwgView();
    if (view == nullptr) return;
    POINT screen{clientPixel.x, clientPixel.y};
    view->ClientToScreen(&screen);
    SetCursorPos(screen.x, screen.y);
}

AcDbObjectId continuousLinetype() {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    AcDbLinetypeTable* table = nullptr;
    if (database == nullptr || database->getLinetypeTable(table, AcDb::kForRead) != Acad::eOk) return {};
    AcDbObjectId id;
    table->getAt(L"CONTINUOUS", id);
    table->close();
    return id;
}

}  // namespace vexa::frame
