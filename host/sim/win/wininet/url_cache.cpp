#include "sim/win/wininet/url_cache.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>

#include "lisp/utf8.h"

namespace vexa::sim::win {

namespace {

constexpr wchar_t cacheFolder[] = L"C:\\Users\\user\\AppData\\Local\\Microsoft\\Windows\\INetCache\\IE";

// Entries are named by a hash of their address; the entry file holds the address itself,
// so two addresses with one hash never serve each other's copy.
std::string entryName(std::wstring_view url) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : lisp::encodeUtf8(url)) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    }
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

UrlCache::UrlCache(const DrivePaths& drives) : folder_(*drives.toHost(cacheFolder)) {}

std::filesystem::path UrlCache::entryFile(std::wstring_view url) const { return folder_ / (entryName(url) + ".entry"); }

std::filesystem::path UrlCache::dataFile(std::wstring_view url) const { return folder_ / (entryName(url) + ".data"); }

std::optional<std::filesystem::path> UrlCache::freshCopy(std::wstring_view url) const {
    std::ifstream entry(entryFile(url));
    long long freshUntil = 0;
    std::string address;
    if (!(entry >> freshUntil) || !std::getline(entry.ignore(1), address)) return std::nullopt;
    if (address != lisp::encodeUtf8(url)) return std::nullopt;
    if (Clock::now() >= Clock::time_point(std::chrono::seconds(freshUntil))) return std::nullopt;
    std::filesystem::path data = dataFile(url);
    std::error_code error;
    if (!std::filesystem::is_regular_file(data, error)) return std::nullopt;
    return data;
}

void UrlCache::store(std::wstring_view url, const std::filesystem::path& file, Clock::time_point freshUntil) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    std::filesystem::copy_file(file, dataFile(url), std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        remove(url);
        return;
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(freshUntil.time_since_epoch()).count();
    std::ofstream(entryFile(url)) << seconds << '\n' << lisp::encodeUtf8(url);
}

bool UrlCache::remove(std::wstring_view url) const {
    std::error_code error;
    const bool had = std::filesystem::remove(entryFile(url), error);
    std::filesystem::remove(dataFile(url), error);
    return had;
}

}  // namespace vexa::sim::win
