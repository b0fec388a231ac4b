#include "sim/win/urlmon/bind_progress.h"

#include <algorithm>

namespace vexa::sim::win {

namespace {

ULONG clamped(std::uint64_t bytes) { return static_cast<ULONG>(std::min<std::uint64_t>(bytes, 0xFFFFFFFFu)); }

}  // namespace

bool BindProgress::report(ULONG status) {
    if (callback_ == nullptr) return true;
    return callback_->OnProgress(clamped(last_.received), clamped(last_.total), status, url_.c_str()) != E_ABORT;
}

bool BindProgress::step(const TransferProgress& now) {
    const long redirectsBefore = last_.redirects;
    last_ = now;
    for (long hop = redirectsBefore; hop < now.redirects; ++hop) {
        if (!report(BINDSTATUS_REDIRECTING)) return false;
    }
    if (now.received == 0) return report(BINDSTATUS_SENDINGREQUEST);
    if (!dataBegun_) {
        dataBegun_ = true;
        return report(BINDSTATUS_BEGINDOWNLOADDATA);
    }
    return report(BINDSTATUS_DOWNLOADINGDATA);
}

bool BindProgress::finished() {
    last_.total = last_.received;
    return report(BINDSTATUS_ENDDOWNLOADDATA);
}

void BindProgress::stopped(HRESULT result) {
    if (callback_ != nullptr) callback_->OnStopBinding(result, nullptr);
}

}  // namespace vexa::sim::win
