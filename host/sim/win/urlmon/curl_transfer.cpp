#include "sim/win/urlmon/curl_transfer.h"

#include <curl/curl.h>

#include "win/urlmon.h"

namespace vexa::sim::win {

namespace {

// How long one step waits for the sockets: the longest gap between two progress reports.
constexpr int stepMilliseconds = 5;
// The system's own give-up times: a server that cannot be reached, or that sends nothing for a minute.
constexpr long connectTimeoutMilliseconds = 60'000;
constexpr long stallSeconds = 60;
constexpr long maxRedirects = 10;
constexpr long bufferBytes = 100 * 1024;

bool curlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

}  // namespace

CurlTransfer::CurlTransfer(const std::string& url, Writer write, Observer progress)
    : easy_(curlReady() ? curl_easy_init() : nullptr),
      multi_(easy_ ? curl_multi_init() : nullptr),
      write_(std::move(write)),
      observe_(std::move(progress)) {
    if (!multi_) return;
    // The system's call takes web, ftp and file addresses, and follows redirects only to web and ftp ones.
    configured_ = curl_easy_setopt(easy_, CURLOPT_URL, url.c_str()) == CURLE_OK &&
                  curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https,ftp,file") == CURLE_OK &&
                  curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp") == CURLE_OK;
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, maxRedirects);
    curl_easy_setopt(easy_, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMilliseconds);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, stallSeconds);
    curl_easy_setopt(easy_, CURLOPT_BUFFERSIZE, bufferBytes);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlTransfer::onData);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
}

CurlTransfer::~CurlTransfer() {
    if (multi_) curl_multi_cleanup(multi_);
    if (easy_) curl_easy_cleanup(easy_);
}

HRESULT CurlTransfer::run() {
    if (!multi_) return E_OUTOFMEMORY;
    if (!configured_) return INET_E_INVALID_URL;
    if (curl_multi_add_handle(multi_, easy_) != CURLM_OK) return E_OUTOFMEMORY;
    int running = 1;
    bool stopped = false;
    bool broken = false;
    while (running > 0) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK) {
            broken = true;
            break;
        }
        if (!observe_(progress())) {
            stopped = true;
            break;
        }
        if (running > 0 && curl_multi_poll(multi_, nullptr, 0, stepMilliseconds, nullptr) != CURLM_OK) {
            broken = true;
            break;
        }
    }
    CURLcode code = CURLE_FAILED_INIT;
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi_, &left)) {
        if (message->msg == CURLMSG_DONE) code = message->data.result;
    }
    curl_multi_remove_handle(multi_, easy_);
    if (stopped) return E_ABORT;
    if (broken) return INET_E_DOWNLOAD_FAILURE;
    return resultOf(code);
}

std::optional<std::string> CurlTransfer::header(const char* name) const {
    curl_header* found = nullptr;
    if (curl_easy_header(easy_, name, 0, CURLH_HEADER, -1, &found) != CURLHE_OK) return std::nullopt;
    return std::string(found->value);
}

bool CurlTransfer::answeredHttpOk() const {
    const char* scheme = nullptr;
    long status = 0;
    curl_easy_getinfo(easy_, CURLINFO_SCHEME, &scheme);
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
    if (scheme == nullptr || status != 200) return false;
    const std::string name(scheme);
    return curl_strequal(name.c_str(), "http") || curl_strequal(name.c_str(), "https");
}

std::size_t CurlTransfer::onData(char* bytes, std::size_t size, std::size_t count, void* self) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    const std::size_t length = size * count;
    if (!transfer.write_(bytes, length)) return 0;
    transfer.received_ += length;
    return length;
}

TransferProgress CurlTransfer::progress() const {
    TransferProgress now;
    now.received = received_;
    curl_off_t total = -1;
    if (curl_easy_getinfo(easy_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total) == CURLE_OK && total > 0) {
        now.total = static_cast<std::uint64_t>(total);
    }
    curl_easy_getinfo(easy_, CURLINFO_REDIRECT_COUNT, &now.redirects);
    return now;
}

HRESULT CurlTransfer::resultOf(int code) const {
    long status = 0;
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
    switch (code) {
        case CURLE_OK:
            return S_OK;
        case CURLE_URL_MALFORMAT:
            return INET_E_INVALID_URL;
        case CURLE_UNSUPPORTED_PROTOCOL:
            return progress().redirects > 0 || status / 100 == 3 ? INET_E_REDIRECT_FAILED : INET_E_UNKNOWN_PROTOCOL;
        case CURLE_TOO_MANY_REDIRECTS:
            return INET_E_REDIRECT_FAILED;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_FILE_COULDNT_READ_FILE:
        case CURLE_REMOTE_FILE_NOT_FOUND:
            return INET_E_RESOURCE_NOT_FOUND;
        case CURLE_HTTP_RETURNED_ERROR:
            return status == 404 || status == 410 ? INET_E_RESOURCE_NOT_FOUND : INET_E_DOWNLOAD_FAILURE;
        case CURLE_COULDNT_CONNECT:
            return INET_E_CANNOT_CONNECT;
        case CURLE_OUT_OF_MEMORY:
            return E_OUTOFMEMORY;
        default:
            return INET_E_DOWNLOAD_FAILURE;
    }
}

}  // namespace vexa::sim::win
