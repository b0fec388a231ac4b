// Windows paths of the simulated machine map to real files, as Wine maps them: drive C: is the
// folder c/ under the machine's root, Z: is the whole host file system. Names are matched
// without regard to case, as Windows does, so "C:\VEXA\a.txt" finds root/c/Vexa/a.txt.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexa::sim::win {

class DrivePaths {
public:
    // A fresh machine in a new temporary folder, removed with the object.
    DrivePaths();
    // A machine kept in the given folder (vexa-cad's --drives); nothing is removed.
    explicit DrivePaths(std::filesystem::path root);
    ~DrivePaths();
    DrivePaths(const DrivePaths&) = delete;
    DrivePaths& operator=(const DrivePaths&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // The host file for an absolute Windows path ("C:\x", "c:/x", "\\?\C:\x"); nullopt for a
    // relative path, a UNC share or a drive other than C: and Z:. ".." never leaves the drive.
    std::optional<std::filesystem::path> toHost(std::wstring_view windowsPath) const;
    // The Windows path of a host file: under the C: folder as C:\…, anything else as Z:\….
    std::wstring toWindows(const std::filesystem::path& hostPath) const;

private:
    std::filesystem::path root_;
    bool owned_ = false;
};

}  // namespace vexa::sim::win
