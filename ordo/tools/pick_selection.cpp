#include "ordo/tools/pick_selection.h"

#include <string>

#include "acad/aced.h"
#include "acad/acedsel.h"
#include "acad/acedwinmsg.h"
#include "frame/selection.h"

namespace vexa::ordo {

namespace {

// The last key press or button release seen while the selection ran.
struct WatchRecord {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

WatchRecord watched;
bool filterRegistered = false;

// Only looks: every message goes on to the host.
BOOL watchMessage(MSG* message) {
    switch (message->message) {
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: watched = {message->message, message->wParam, message->lParam}; break;
    default: break;
    }
    return FALSE;
}

int shortcutMenu() {
    resbuf value{};
    if (acedGetVar(L"SHORTCUTMENU", &value) != RTNORM || value.restype != RTSHORT) return 0;
    return value.resval.rint;
}

// How a selection that took nothing ended; null for nil. The key code alone decides Enter and
// ESC, whatever message brought it.
const ACHAR* endingWord(int menuSetting) {
    if (watched.wParam == VK_RETURN) return L"*Enter*";
    if (watched.wParam == VK_ESCAPE) return L"*Cancel*";
    if (menuSetting != 0) return nullptr;
    if (watched.message == 0) return L"*Enter*";
    return nullptr;
}

int runPickSelection(resbuf* args, const ACHAR* mode) {
    const int menuSetting = shortcutMenu();
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const ACHAR* text = !items.empty() && items[0].string() != nullptr ? items[0].string() : L"";
    const ACHAR* prompts[2] = {text, text};
    const frame::ResbufChain filter = items.size() > 1 ? frame::copySelectionFilter(items[1]) : nullptr;

    watched = {};
    if (!filterRegistered) {
        filterRegistered = acedRegisterFilterWinMsg(watchMessage) != FALSE;
        if (!filterRegistered) acutPrintf(L"\nCan't register Windows Msg hook.");
    }
    ads_name set{0, 0};
    if (acedSSGet(mode, prompts, nullptr, filter.get(), set) == RTNORM) {
        frame::returnSelection(set);
    } else if (const ACHAR* word = endingWord(menuSetting)) {
        acedRetStr(word);
    } else {
        acedRetNil();
    }
    removeSelectionWatch();
    return RTNORM;
}

}  // namespace

int pickSelection(resbuf* args) { return runPickSelection(args, L":$"); }

int pickSelectionSingle(resbuf* args) { return runPickSelection(args, L":$:S"); }

int pickSelectionInMode(resbuf* args, const ACHAR* mode) { return runPickSelection(args, mode); }

void removeSelectionWatch() {
    if (!filterRegistered) return;
    acedRemoveFilterWinMsg(watchMessage);
    filterRegistered = false;
}

}  // namespace vexa::ordo
