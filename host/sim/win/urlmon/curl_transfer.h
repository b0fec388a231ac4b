// One transfer by libcurl, stepped by hand so that the caller hears of its progress every few
// milliseconds, also while the server sends nothing, and can stop it at any of those reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "win/unknwn.h"

typedef void CURL;
typedef void CURLM;

namespace vexa::sim::win {

struct TransferProgress {
    std::uint64_t received = 0;
    std::uint64_t total = 0;  // 0 while the size is unknown
    long redirects = 0;
};

class CurlTransfer {
public:
    // Body bytes go to write (false: the write failed); progress answers false to stop.
    using Writer = std::function<bool(const char* bytes, std::size_t size)>;
    using Observer = std::function<bool(const TransferProgress&)>;

    CurlTransfer(const std::string& url, Writer write, Observer progress);
    ~CurlTransfer();
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    // S_OK, E_ABORT when progress stopped it, or the URL moniker's error for the failure.
    HRESULT run();

    // After run: a header of the final response (after redirects), and whether that
    // response was an HTTP 200.
    std::optional<std::string> header(const char* name) const;
    bool answeredHttpOk() const;

private:
    static std::size_t onData(char* bytes, std::size_t size, std::size_t count, void* self);
    TransferProgress progress() const;
    HRESULT resultOf(int code) const;

    CURL* easy_;
    CURLM* multi_;
    Writer write_;
    Observer observe_;
    std::uint64_t received_ = 0;
    bool configured_ = false;
};

}  // namespace vexa::sim::win
