#include "kito/viewports/viewport_watcher.h"

#include "acad/aced.h"
#include "acad/acedvports.h"
#include "acad/acedwinmsg.h"

namespace vexa::kito {

namespace {

bool registered = false;
int lastViewport = 0;

void watchViewports(const MSG* message) {
    if (message == nullptr || message->message != WM_MOUSEMOVE) return;
    resbuf value{};
    if (acedGetVar(L"CVPORT", &value) == RTNORM) {
        if (value.restype == RTSHORT) lastViewport = value.resval.rint;
        else if (value.restype == RTLONG) lastViewport = value.resval.rlong;
    }
    CView* view = acedGetAcadDwgView();
    if (view == nullptr) return;
    POINT pixel = message->pt;
    if (!::ScreenToClient(view->GetSafeHwnd(), &pixel)) return;
    // 0 or less: the pointer is over no viewport, and the current one stays.
    const int under = acedGetWinNum(pixel.x, pixel.y);
    if (under > 0 && under != lastViewport && acedSetCurrentVPort(under) == Acad::eOk) lastViewport = under;
}

}  // namespace

bool startViewportWatch() {
    if (!registered) registered = acedRegisterWatchWinMsg(watchViewports) != FALSE;
    return registered;
}

void stopViewportWatch() {
    if (registered) acedRemoveWatchWinMsg(watchViewports);
    registered = false;
    lastViewport = 0;
}

bool viewportWatchOn() { return registered; }

}  // namespace vexa::kito
