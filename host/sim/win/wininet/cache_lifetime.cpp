#include "sim/win/wininet/cache_lifetime.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace vexa::sim::win {

namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct Directives {
    bool forbidsKeeping = false;
    std::optional<long long> maxAge;
};

Directives readCacheControl(std::string_view header) {
    Directives read;
    while (!header.empty()) {
        const auto comma = header.find(',');
        const std::string directive = lowered(trimmed(header.substr(0, comma)));
        header = comma == std::string_view::npos ? std::string_view{} : header.substr(comma + 1);
        if (directive == "no-store" || directive == "no-cache" || directive == "private") read.forbidsKeeping = true;
        if (directive.starts_with("max-age=")) {
            try {
                read.maxAge = std::stoll(directive.substr(8));
            } catch (const std::exception&) {
                read.forbidsKeeping = true;
            }
        }
    }
    return read;
}

std::optional<long long> dateOf(const std::optional<std::string>& header) {
    if (!header) return std::nullopt;
    const time_t parsed = curl_getdate(header->c_str(), nullptr);
    if (parsed == -1) return std::nullopt;
    return static_cast<long long>(parsed);
}

std::optional<std::chrono::seconds> positive(long long seconds) {
    if (seconds <= 0) return std::nullopt;
    return std::chrono::seconds(seconds);
}

}  // namespace

std::optional<std::chrono::seconds> freshLifetime(const CachingHeaders& headers, std::chrono::system_clock::time_point now) {
    const Directives directives = readCacheControl(headers.cacheControl.value_or(""));
    if (directives.forbidsKeeping) return std::nullopt;
    if (headers.pragma && lowered(*headers.pragma).find("no-cache") != std::string::npos) return std::nullopt;
    if (directives.maxAge) return positive(*directives.maxAge);
    const long long served =
        dateOf(headers.date).value_or(std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
    if (headers.expires) {
        const std::optional<long long> expires = dateOf(headers.expires);
        return expires ? positive(*expires - served) : std::nullopt;
    }
    if (const std::optional<long long> modified = dateOf(headers.lastModified)) return positive((served - *modified) / 10);
    return std::nullopt;
}

}  // namespace vexa::sim::win
