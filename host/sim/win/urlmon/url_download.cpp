// URLDownloadToFileW on the simulated machine: libcurl fetches the address into a temporary
// file beside the target, the machine's internet cache serves and keeps fresh copies.
#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

#include <curl/curl.h>

#include "lisp/utf8.h"
#include "sim/host.h"
#include "sim/win/kernel32/real_time_span.h"
#include "sim/win/urlmon/bind_progress.h"
#include "sim/win/urlmon/curl_transfer.h"
#include "sim/win/urlmon/replacing_file.h"
#include "sim/win/wininet/cache_lifetime.h"
#include "sim/win/wininet/url_cache.h"
#include "win/urlmon.h"

namespace vexa::sim::win {

namespace {

const std::wstring writeService = L"WriteFile";
constexpr std::size_t cacheChunkBytes = 1 << 20;

struct UrlHandle {
    UrlHandle() = default;
    ~UrlHandle() { curl_url_cleanup(url); }
    UrlHandle(const UrlHandle&) = delete;
    UrlHandle& operator=(const UrlHandle&) = delete;
    std::optional<std::string> get(CURLUPart part, unsigned flags) const {
        char* text = nullptr;
        if (curl_url_get(url, part, &text, flags) != CURLUE_OK) return std::nullopt;
        std::string copy(text);
        curl_free(text);
        return copy;
    }

    CURLU* url = curl_url();
};

// What curl is given: the address itself, except that a file address ("file:///C:/Vexa/a.txt")
// names a file of the simulated machine and becomes the address of the host file it maps to.
// nullopt for a file address outside the machine's drives.
std::optional<std::string> transportAddress(const DrivePaths& drives, std::wstring_view url) {
    const std::string text = lisp::encodeUtf8(url);
    if (!curl_strnequal(text.c_str(), "file:", 5)) return text;
    std::string_view rest = std::string_view(text).substr(5);
    if (rest.starts_with("//")) {
        const std::size_t pathStart = std::min(rest.find('/', 2), rest.size());
        const std::string_view server = rest.substr(2, pathStart - 2);
        if (!server.empty() && !curl_strequal(std::string(server).c_str(), "localhost")) return std::nullopt;
        rest.remove_prefix(pathStart);
    }
    int length = 0;
    char* decoded = curl_easy_unescape(nullptr, rest.data(), static_cast<int>(rest.size()), &length);
    if (decoded == nullptr) return std::nullopt;
    std::wstring path = lisp::decodeUtf8(std::string_view(decoded, static_cast<std::size_t>(length)));
    curl_free(decoded);
    if (path.size() > 2 && path[0] == L'/' && path[2] == L':') path.erase(0, 1);
    const std::optional<std::filesystem::path> hostFile = drives.toHost(path);
    UrlHandle built;
    if (!hostFile || built.url == nullptr || curl_url_set(built.url, CURLUPART_SCHEME, "file", 0) != CURLUE_OK ||
        curl_url_set(built.url, CURLUPART_PATH, hostFile->c_str(), CURLU_URLENCODE) != CURLUE_OK) {
        return std::nullopt;
    }
    return built.get(CURLUPART_URL, 0);
}

CachingHeaders cachingHeadersOf(const CurlTransfer& transfer) {
    return {transfer.header("Cache-Control"), transfer.header("Pragma"), transfer.header("Expires"),
            transfer.header("Date"), transfer.header("Last-Modified")};
}

HRESULT copyCached(const std::filesystem::path& copy, const CurlTransfer::Writer& write, BindProgress& progress) {
    if (!progress.report(BINDSTATUS_USINGCACHEDCOPY)) return E_ABORT;
    std::ifstream in(copy, std::ios::binary);
    std::vector<char> chunk(cacheChunkBytes);
    TransferProgress now;
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count == 0) break;
        if (!write(chunk.data(), count)) return INET_E_DOWNLOAD_FAILURE;
        now.received += count;
        if (!progress.step(now)) return E_ABORT;
    }
    return in.bad() ? INET_E_DOWNLOAD_FAILURE : S_OK;
}

HRESULT download(Host& host, std::wstring_view url, LPCWSTR fileName, BindProgress& progress) {
    const std::optional<std::filesystem::path> target = host.drives().toHost(fileName);
    if (!target) return INET_E_DOWNLOAD_FAILURE;
    ReplacingFile file(*target);
    if (!file.isOpen()) return INET_E_DOWNLOAD_FAILURE;
    const CurlTransfer::Writer write = [&](const char* bytes, std::size_t size) {
        return !host.faults().failsNow(writeService) && file.write(bytes, size);
    };
    if (!progress.report(BINDSTATUS_FINDINGRESOURCE)) return E_ABORT;

    const UrlCache cache(host.drives());
    std::optional<std::chrono::seconds> lifetime;
    HRESULT result = S_OK;
    if (const std::optional<std::filesystem::path> copy = cache.freshCopy(url)) {
        result = copyCached(*copy, write, progress);
    } else {
        const std::optional<std::string> address = transportAddress(host.drives(), url);
        if (!address) return INET_E_RESOURCE_NOT_FOUND;
        if (!progress.report(BINDSTATUS_CONNECTING)) return E_ABORT;
        CurlTransfer transfer(*address, write, [&](const TransferProgress& now) { return progress.step(now); });
        result = transfer.run();
        if (SUCCEEDED(result) && transfer.answeredHttpOk()) {
            lifetime = freshLifetime(cachingHeadersOf(transfer), UrlCache::Clock::now());
        }
    }
    if (FAILED(result)) return result;
    if (!progress.finished()) return E_ABORT;
    if (!file.commit()) return INET_E_DOWNLOAD_FAILURE;
    if (lifetime) cache.store(url, *target, UrlCache::Clock::now() + *lifetime);
    return S_OK;
}

}  // namespace

}  // namespace vexa::sim::win

HRESULT WINAPI URLDownloadToFileW(LPUNKNOWN, LPCWSTR url, LPCWSTR fileName, DWORD, LPBINDSTATUSCALLBACK callback) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    if (host == nullptr || url == nullptr || fileName == nullptr) return E_INVALIDARG;
    // GetTickCount follows the real clock while the call blocks on the network.
    const vexa::sim::win::RealTimeSpan realTime(host->windows());
    vexa::sim::win::BindProgress progress(callback, url);
    const HRESULT result = vexa::sim::win::download(*host, url, fileName, progress);
    progress.stopped(result);
    return result;
}
