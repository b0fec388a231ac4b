// The acts that serve anywhere: windows by their title, the status bar, and waiting.
#include <algorithm>

#include "sim/host.h"
#include "sim/user/dialog_act.h"
#include "sim/user/titled_windows.h"

namespace vexa::sim::win {

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
    if (act.kind == DialogAct::Kind::Picture) {
        host.takePicture(nullptr);
        return;
    }
    const std::vector<HWND> found = windowsTitled(host, act.target);
    if (found.empty()) host.commandLine().print(L"\nno window \"" + act.target + L"\"\n");
    for (HWND handle : found) {
        if (!system.exists(handle)) continue;  // closed with a window closed before it
        if (act.kind == DialogAct::Kind::Close) {
            system.send(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            continue;
        }
        host.commandLine().print(L"\n" + windowState(host, handle) + L"\n");
        if (system.visible(handle)) host.takePicture(handle);
    }
}

}  // namespace vexa::sim::win
