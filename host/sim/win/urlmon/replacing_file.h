// The file a download writes: a temporary file beside the target that replaces it only when
// complete, so a failed or cancelled transfer leaves the old file as it was.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>

namespace vexa::sim::win {

class ReplacingFile {
public:
    // Not open when the target's folder does not exist or cannot be written.
    explicit ReplacingFile(std::filesystem::path target);
    // Removes the temporary file unless it replaced the target.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    bool write(const char* bytes, std::size_t size);
    // Closes the temporary file and moves it over the target.
    bool commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool created_ = false;
    bool committed_ = false;
};

}  // namespace vexa::sim::win
