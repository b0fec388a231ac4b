// The host's viewport calls, acting on the current host's editor.
#include "acad/acedvports.h"
#include "sim/host.h"

using vexa::sim::Host;
using vexa::sim::editor::Editor;
using vexa::sim::editor::Viewport;

namespace {

Editor* editor() {
    Host* host = Host::current();
    return host != nullptr ? &host->editor() : nullptr;
}

BOOL pixelToWorld(const Viewport* viewport, POINT pixel, ads_point world) {
    if (viewport == nullptr || world == nullptr) return FALSE;
    const vexa::sim::db::Point2 point = viewport->toWorld(pixel);
    world[0] = point.x;
    world[1] = point.y;
    world[2] = 0.0;
    return TRUE;
}

}  // namespace

CView* acedGetAcadDwgView() {
    Editor* e = editor();
    return e != nullptr ? e->viewObject() : nullptr;
}

int acedGetWinNum(int x, int y) {
    Editor* e = editor();
    const Viewport* viewport = e != nullptr ? e->viewports().at({x, y}) : nullptr;
    return viewport != nullptr ? viewport->number : 0;
}

BOOL acedCoordFromPixelToWorld(const CPoint& pixel, ads_point world) {
    Editor* e = editor();
    return pixelToWorld(e != nullptr ? e->currentViewport() : nullptr, pixel, world);
}

BOOL acedCoordFromPixelToWorld(int viewport, CPoint pixel, ads_point world) {
    Editor* e = editor();
    return pixelToWorld(e != nullptr ? e->viewports().find(viewport) : nullptr, pixel, world);
}

BOOL acedCoordFromWorldToPixel(int viewport, const ads_point world, CPoint& pixel) {
    Editor* e = editor();
    const Viewport* found = e != nullptr ? e->viewports().find(viewport) : nullptr;
    if (found == nullptr || world == nullptr) return FALSE;
    pixel = CPoint(found->toPixel({world[0], world[1]}));
    return TRUE;
}

Acad::ErrorStatus acedSetCurrentVPort(int viewport) {
    Editor* e = editor();
    return e != nullptr && e->setCurrentViewport(viewport) ? Acad::eOk : Acad::eInvalidInput;
}
