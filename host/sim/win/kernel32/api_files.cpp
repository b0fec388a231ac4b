// Files and folders of the simulated machine: Windows paths to real files on its drives.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "sim/fault_points.h"
#include "sim/host.h"
#include "win/winbase.h"

using vexa::sim::Host;

namespace {

class OpenFile : public vexa::sim::win::KernelObject {
public:
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    ~OpenFile() override { ::close(descriptor_); }

private:
    int descriptor_;
};

std::optional<std::filesystem::path> hostPath(LPCWSTR path) {
    Host* host = Host::current();
    if (host == nullptr || path == nullptr) return std::nullopt;
    return host->drives().toHost(path);
}

DWORD errorOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EEXIST: return ERROR_FILE_EXISTS;
        case EISDIR:
        case EACCES:
        case EPERM:
        case EROFS: return ERROR_ACCESS_DENIED;
        default: return ERROR_INVALID_PARAMETER;
    }
}

int openFlags(DWORD access, DWORD disposition) {
    const bool reads = (access & GENERIC_READ) != 0;
    const bool writes = (access & GENERIC_WRITE) != 0;
    int flags = reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    switch (disposition) {
        case CREATE_NEW: return flags | O_CREAT | O_EXCL;
        case CREATE_ALWAYS: return flags | O_CREAT | O_TRUNC;
        case OPEN_EXISTING: return flags;
        case OPEN_ALWAYS: return flags | O_CREAT;
        case TRUNCATE_EXISTING: return flags | O_TRUNC;
        default: return -1;
    }
}

}  // namespace

BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES) {
    const auto folder = hostPath(path);
    if (!folder) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (::mkdir(folder->c_str(), 0777) == 0) return TRUE;
    SetLastError(errno == EEXIST ? ERROR_ALREADY_EXISTS : errorOf(errno));
    return FALSE;
}

HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD, LPSECURITY_ATTRIBUTES, DWORD disposition, DWORD, HANDLE) {
    Host* host = Host::current();
    const auto file = hostPath(path);
    const int flags = openFlags(access, disposition);
    if (!file || flags == -1) {
        SetLastError(file ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (vexa::sim::serviceFails(L"CreateFileW")) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    std::error_code error;
    if (std::filesystem::is_directory(*file, error)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    const int descriptor = ::open(file->c_str(), flags | O_CLOEXEC, 0666);
    if (descriptor == -1) {
        SetLastError(errorOf(errno));
        return INVALID_HANDLE_VALUE;
    }
    return host->kernelHandles().open(std::make_unique<OpenFile>(descriptor));
}

BOOL DeleteFileW(LPCWSTR path) {
    const auto file = hostPath(path);
    std::error_code error;
    if (!file || !std::filesystem::is_regular_file(*file, error)) {
        SetLastError(file && std::filesystem::exists(*file, error) ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (::unlink(file->c_str()) == 0) return TRUE;
    SetLastError(errorOf(errno));
    return FALSE;
}
