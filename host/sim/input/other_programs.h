// Windows of programs other than the host, which the user can make active and type into.
// Each is a real top-level window so that activation works as for any window; only its
// owner differs, and input that reaches it goes to that program, never to the host's queue.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win/winuser.h"

namespace vexa::sim {

struct WindowOwner {
    DWORD process;
    DWORD thread;
};

struct ReceivedInput {
    HWND window;
    UINT message;
    WPARAM wParam;
};

class OtherPrograms {
public:
    static constexpr DWORD hostProcessId = 0x0F10;

    // Opens a window of a new program with that name, or finds the one already open.
    HWND window(const std::wstring& program);
    std::optional<WindowOwner> owner(HWND window) const;
    // The owner of any window: another program's, else the host's for a live window, else none.
    std::optional<WindowOwner> ownerOf(HWND window) const;

    void receive(HWND window, UINT message, WPARAM wParam) { received_.push_back({window, message, wParam}); }
    // The keyboard and mouse messages the other programs received, in order.
    const std::vector<ReceivedInput>& received() const { return received_; }

private:
    struct Program {
        std::wstring name;
        HWND window;
        WindowOwner owner;
    };

    std::vector<Program> programs_;
    std::vector<ReceivedInput> received_;
    DWORD programsOpened_ = 0;
    bool classRegistered_ = false;
};

}  // namespace vexa::sim
