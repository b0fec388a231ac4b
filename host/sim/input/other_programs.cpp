#include "sim/input/other_programs.h"

#include <algorithm>

#include "sim/win/user32/window_system.h"

namespace vexa::sim {

namespace {

constexpr const wchar_t* otherProgramClass = L"VexaSimOtherProgram";

LRESULT CALLBACK otherProgramProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND OtherPrograms::window(const std::wstring& program) {
    auto it = std::find_if(programs_.begin(), programs_.end(), [&](const Program& p) { return p.name == program; });
    if (it != programs_.end()) {
        if (IsWindow(it->window)) return it->window;
        programs_.erase(it);
    }
    if (!classRegistered_) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = otherProgramProcedure;
        windowClass.lpszClassName = otherProgramClass;
        classRegistered_ = RegisterClassW(&windowClass) != 0;
    }
    HWND created = CreateWindowExW(0, otherProgramClass, program.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                   480, nullptr, nullptr, nullptr, nullptr);
    if (created == nullptr) return nullptr;
    // Another program's window is not one a plug-in's call left open.
    win::Window* made = win::current()->find(created);
    made->mayOutliveCall = true;
    made->creator = nullptr;
    const DWORD number = ++programsOpened_;
    programs_.push_back({program, created, {hostProcessId + 0x100 * number, hostProcessId + 0x100 * number + 4}});
    return created;
}

std::optional<WindowOwner> OtherPrograms::owner(HWND window) const {
    auto it = std::find_if(programs_.begin(), programs_.end(), [&](const Program& p) { return p.window == window; });
    if (it == programs_.end()) return std::nullopt;
    return it->owner;
}

std::optional<WindowOwner> OtherPrograms::ownerOf(HWND window) const {
    if (window == nullptr || !IsWindow(window)) return std::nullopt;
    if (auto other = owner(window)) return other;
    // The host creates all its windows on its one application thread.
    return WindowOwner{hostProcessId, GetCurrentThreadId()};
}

}  // namespace vexa::sim
