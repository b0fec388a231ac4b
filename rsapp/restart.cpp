#include "rsapp/restart.h"

namespace vexa::rsapp {

namespace {

constexpr DWORD pollInterval = 1000;
constexpr DWORD releaseTime = 1000;

}  // namespace

void restartAfterWindowCloses(const RestartCommand& command) {
    do {
        Sleep(pollInterval);
    } while (GetWindowThreadProcessId(command.window, nullptr) != 0);
    Sleep(releaseTime);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(command.program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, command.folder.c_str(),
                       &startup, &started)) {
        // The new host runs on by itself; nothing waits for it.
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

}  // namespace vexa::rsapp
