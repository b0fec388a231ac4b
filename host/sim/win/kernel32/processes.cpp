#include "sim/win/kernel32/processes.h"

#include <filesystem>
#include <system_error>

namespace vexa::sim::win {

namespace {

class ProcessObject : public KernelObject {};

}  // namespace

DWORD Processes::start(const DrivePaths& drives, KernelHandles& handles, std::wstring_view program,
                       const wchar_t* folder, DWORD now, DWORD startupSize, PROCESS_INFORMATION& started) {
    std::error_code error;
    const auto file = drives.toHost(program);
    if (!file || !std::filesystem::is_regular_file(*file, error)) {
        return file && std::filesystem::exists(file->parent_path(), error) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    std::wstring folderText = folder != nullptr ? folder : L"";
    if (folder != nullptr) {
        const auto directory = drives.toHost(folderText);
        if (!directory || !std::filesystem::is_directory(*directory, error)) return ERROR_DIRECTORY;
    }
    started_.push_back({std::wstring(program), std::move(folderText), now, startupSize});
    started.hProcess = handles.open(std::make_unique<ProcessObject>());
    started.hThread = handles.open(std::make_unique<ProcessObject>());
    started.dwProcessId = nextId_ += 4;
    started.dwThreadId = nextId_ += 4;
    return ERROR_SUCCESS;
}

}  // namespace vexa::sim::win
