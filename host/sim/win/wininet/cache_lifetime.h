// How long a response may be served from the cache, from its caching headers as HTTP defines
// them: max-age, else Expires, else a tenth of the time since Last-Modified.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace vexa::sim::win {

struct CachingHeaders {
    std::optional<std::string> cacheControl = std::nullopt;
    std::optional<std::string> pragma = std::nullopt;
    std::optional<std::string> expires = std::nullopt;
    std::optional<std::string> date = std::nullopt;
    std::optional<std::string> lastModified = std::nullopt;
};

// nullopt when the response may not be kept, or would never be fresh.
std::optional<std::chrono::seconds> freshLifetime(const CachingHeaders& headers, std::chrono::system_clock::time_point now);

}  // namespace vexa::sim::win
