#include "sim/user/titled_windows.h"

#include "sim/host.h"
#include "sim/user/dialog_act.h"

namespace vexa::sim::win {

namespace {

bool showsTitle(Host& host, HWND handle, const std::wstring& wanted) {
    const WindowSystem& system = host.windows();
    const Window* window = system.find(handle);
    if (window == nullptr || window->child() || window->destroyed || handle == system.mainWindow()) return false;
    if (host.input().otherPrograms().owner(handle)) return false;
    if (foldCase(window->text) == wanted) return true;
    for (HWND child : window->children) {
        const Window* control = system.find(child);
        if (control != nullptr && foldCase(control->text) == wanted) return true;
    }
    return false;
}

}  // namespace

std::vector<HWND> windowsTitled(Host& host, const std::wstring& title) {
    const std::wstring wanted = foldCase(title);
    std::vector<HWND> found;
    for (HWND handle : host.windows().windows()) {
        if (showsTitle(host, handle, wanted)) found.push_back(handle);
    }
    return found;
}

std::wstring windowState(Host& host, HWND window) {
    WindowSystem& system = host.windows();
    return DialogView(system, window).dump() + (system.visible(window) ? L"" : L"\n  (hidden)");
}

}  // namespace vexa::sim::win
