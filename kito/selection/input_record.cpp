#include "kito/selection/input_record.h"

#include <optional>
#include <vector>

#include "acad/aced.h"
#include "acad/acedvports.h"
#include "acad/acedwinmsg.h"
#include "frame/resbuf_chain.h"
#include "win/keyboard_input.h"

namespace vexa::kito {

namespace {

struct RecordedInput {
    int message = 0;
    int key = 0;  // of a key press
    ads_point point{0.0, 0.0, 0.0};  // of a click
};

std::optional<std::vector<RecordedInput>> record;
bool recorderRegistered = false;
// The viewport clicks are recorded in: CVPORT as read at the start or after Ctrl+R, or the
// viewport a click made current.
int lastViewport = 0;

int currentViewport() {
    resbuf value{};
    if (acedGetVar(L"CVPORT", &value) != RTNORM || value.restype != RTSHORT) return 0;
    return value.resval.rint;
}

// The client position of a message in the drawing view, if it lies inside the view's margins.
std::optional<CPoint> viewPosition(const MSG& message) {
    CView* view = acedGetAcadDwgView();
    if (view == nullptr) return std::nullopt;
    const HWND window = view->GetSafeHwnd();
    POINT position = message.pt;
    ScreenToClient(window, &position);
    RECT outer{};
    GetWindowRect(window, &outer);
    POINT size{outer.right, outer.bottom};
    ScreenToClient(window, &size);
    if (position.x < 2 || position.y < 3 || position.x > size.x - 2 || position.y > size.y - 3) return std::nullopt;
    return CPoint(position);
}

void recordClick(const MSG& message) {
    const std::optional<CPoint> position = viewPosition(message);
    if (!position) return;
    const int viewport = acedGetWinNum(position->x, position->y);
    // A click in another viewport only makes it current: it is not recorded.
    if (viewport != lastViewport || viewport == 0) {
        lastViewport = viewport;
        return;
    }
    RecordedInput click{static_cast<int>(message.message)};
    if (acedCoordFromPixelToWorld(viewport, *position, click.point)) record->push_back(click);
}

void recordMessage(const MSG* message) {
    if (!record) return;
    if (message->message == WM_KEYDOWN) {
        // Ctrl+R is the host's switch to the next viewport.
        if ((GetKeyState(static_cast<int>(VK_CONTROL)) & 0x8000) != 0 && message->wParam == 'R') {
            lastViewport = currentViewport();
            return;
        }
        record->push_back({static_cast<int>(WM_KEYDOWN), static_cast<int>(message->wParam)});
        return;
    }
    // Clicks are the left button going down and the right button coming up with exactly the
    // left button's flag set: no modifier keys, no other button.
    if ((message->message == WM_LBUTTONDOWN || message->message == WM_RBUTTONUP) && message->wParam == MK_LBUTTON) {
        recordClick(*message);
    }
}

}  // namespace

void startInputRecord() {
    record.emplace();
    lastViewport = currentViewport();
    if (!recorderRegistered) recorderRegistered = acedRegisterWatchWinMsg(recordMessage) != FALSE;
}

void finishInputRecord() {
    if (!recorderRegistered) return;
    acedRemoveWatchWinMsg(recordMessage);
    recorderRegistered = false;
}

void returnInputRecord() {
    if (!record) {
        acedRetNil();
        return;
    }
    // The record carries its own outer list, so that one event is still a list of one event.
    frame::ListBuilder list;
    list.beginList();
    for (const RecordedInput& input : *record) {
        list.beginList().integer(static_cast<short>(input.message));
        if (input.message == static_cast<int>(WM_KEYDOWN)) list.integer(static_cast<short>(input.key));
        else list.point(input.point);
        list.endList();
    }
    list.endList();
    list.returnResult();
}

void resetInputRecord() {
    finishInputRecord();
    record.reset();
    lastViewport = 0;
}

}  // namespace vexa::kito
