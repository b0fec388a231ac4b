// What a download tells its status callback: the BINDSTATUS of each step with the bytes so
// far, and whether the callback answered E_ABORT to stop it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sim/win/urlmon/curl_transfer.h"
#include "win/urlmon.h"

namespace vexa::sim::win {

class BindProgress {
public:
    // callback may be null: nobody listens and nothing stops the download.
    BindProgress(IBindStatusCallback* callback, std::wstring_view url) : callback_(callback), url_(url) {}

    // Each report answers false when the callback asked to stop.
    bool report(ULONG status);
    // One step of the transport: redirects taken, then waiting for data or data arriving.
    bool step(const TransferProgress& now);
    // The last report: every byte has arrived, so the total is known.
    bool finished();
    void stopped(HRESULT result);

private:
    IBindStatusCallback* callback_;
    std::wstring url_;
    TransferProgress last_;
    bool dataBegun_ = false;
};

}  // namespace vexa::sim::win
