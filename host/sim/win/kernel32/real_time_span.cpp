#include "sim/win/kernel32/real_time_span.h"

#include <chrono>
#include <optional>

#include "sim/win/user32/window_system.h"

namespace vexa::sim::win {

namespace {

// The host runs one application thread, so one span can be open at a time.
std::optional<std::chrono::steady_clock::time_point> openSince;

}  // namespace

RealTimeSpan::RealTimeSpan(WindowSystem& windows) : windows_(windows), outermost_(!openSince) {
    if (outermost_) openSince = std::chrono::steady_clock::now();
}

RealTimeSpan::~RealTimeSpan() {
    if (!outermost_) return;
    windows_.advance(passed());
    openSince.reset();
}

DWORD RealTimeSpan::passed() {
    if (!openSince) return 0;
    const auto real = std::chrono::steady_clock::now() - *openSince;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(real).count());
}

}  // namespace vexa::sim::win
