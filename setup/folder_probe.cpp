#include "setup/folder_probe.h"

#include "win/winbase.h"

namespace vexa::setup {

bool folderAcceptsInstall(const std::wstring& folder) {
    // Without a folder the probe would land in the root of the current drive.
    if (folder.empty()) return false;
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring probe = folder + L"\\_install.$__";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileW(probe.c_str());
        return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
    file = CreateFileW(probe.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace vexa::setup
