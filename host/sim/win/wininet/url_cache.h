// The machine's internet cache: copies of downloaded files kept on disk in the user's profile,
// each with the address it came from and the time until which it may be served.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

#include "sim/win/kernel32/drive_paths.h"

namespace vexa::sim::win {

class UrlCache {
public:
    using Clock = std::chrono::system_clock;

    explicit UrlCache(const DrivePaths& drives);

    // The cached copy of url while it is still fresh.
    std::optional<std::filesystem::path> freshCopy(std::wstring_view url) const;
    // Keeps a copy of file as url's entry until the given time.
    void store(std::wstring_view url, const std::filesystem::path& file, Clock::time_point freshUntil) const;
    // True when url had an entry.
    bool remove(std::wstring_view url) const;

private:
    std::filesystem::path entryFile(std::wstring_view url) const;
    std::filesystem::path dataFile(std::wstring_view url) const;

    std::filesystem::path folder_;
};

}  // namespace vexa::sim::win
