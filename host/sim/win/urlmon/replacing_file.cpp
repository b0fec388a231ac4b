#include "sim/win/urlmon/replacing_file.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace vexa::sim::win {

namespace {

constexpr int nameAttempts = 100;

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < nameAttempts && file_ == nullptr; ++attempt) {
        temporary_ = target_;
        temporary_ += "." + std::to_string(++serial) + ".partial";
        // "x": never takes over a file that is already there.
        file_ = std::fopen(temporary_.c_str(), "wbx");
        if (file_ == nullptr && errno != EEXIST) break;
    }
    created_ = file_ != nullptr;

}

ReplacingFile::~ReplacingFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (created_ && !committed_) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

bool ReplacingFile::write(const char* bytes, std::size_t size) {
    return file_ != nullptr && std::fwrite(bytes, 1, size, file_) == size;
}

bool ReplacingFile::commit() {
    if (file_ == nullptr) return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) return false;
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    committed_ = !error;
    return committed_;
}

}  // namespace vexa::sim::win
