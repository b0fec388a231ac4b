// Programs started on the simulated machine. Nothing runs: a start is checked as Windows checks
// it (the program file and the folder must exist) and recorded with the time of the clock.
#pragma once

#include <string>
#include <vector>

#include "sim/win/kernel32/drive_paths.h"
#include "sim/win/kernel32/kernel_handles.h"

namespace vexa::sim::win {

struct StartedProcess {
    std::wstring program;
    std::wstring folder;
    DWORD startedAt;
    DWORD startupSize;
};

class Processes {
public:
    // The error (ERROR_FILE_NOT_FOUND, ERROR_DIRECTORY …) when the program cannot start, else
    // ERROR_SUCCESS with the new process's handles in `started`.
    DWORD start(const DrivePaths& drives, KernelHandles& handles, std::wstring_view program, const wchar_t* folder,
                DWORD now, DWORD startupSize, PROCESS_INFORMATION& started);
    const std::vector<StartedProcess>& started() const { return started_; }

    // This process's own command line, as GetCommandLineW gives it.
    std::wstring& commandLine() { return commandLine_; }

private:
    std::vector<StartedProcess> started_;
    std::wstring commandLine_ = L"acad.exe";
    DWORD nextId_ = 0x2000;
};

}  // namespace vexa::sim::win
