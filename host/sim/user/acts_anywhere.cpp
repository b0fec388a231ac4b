// The acts that serve anywhere: windows by their title, the status bar, and waiting.
#include <algorithm>

#include "sim/host.h"
#include "sim/user/dialog_act.h"

namespace vexa::sim::win {

namespace {

// A top-level window whose title is `title`, or that shows it in one of its controls (the
// caption-less notice and running windows are known by their text).
bool titled(const WindowSystem& system, HWND handle, const std::wstring& title) {
    const Window* window = system.find(handle);
    if (window == nullptr || window->child() || handle == system.mainWindow()) return false;
    if (window->text == title) return true;
    for (HWND child : window->children) {
        const Window* control = system.find(child);
        if (control != nullptr && control->text == title) return true;
    }
    return false;
}

}  // namespace

void performAnywhere(WindowSystem& system, const DialogAct& act) {
    Host& host = system.host();
    if (act.kind == DialogAct::Kind::Status) {
        host.commandLine().print(L"\n" + host.statusBar().describe() + L"\n");
        return;
    }
    if (act.kind == DialogAct::Kind::Wait) {
        system.wait(static_cast<DWORD>(std::max(0, act.number)));
        return;
    }
    bool found = false;
    for (HWND handle : system.windows()) {
        if (!titled(system, handle, act.target)) continue;
        found = true;
        if (act.kind == DialogAct::Kind::Close) {
            system.send(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            continue;
        }
        host.commandLine().print(L"\n" + DialogView(system, handle).dump() + (system.visible(handle) ? L"" : L"\n  (hidden)") + L"\n");
    }
    if (!found) host.commandLine().print(L"\nno window \"" + act.target + L"\"\n");
}

}  // namespace vexa::sim::win
