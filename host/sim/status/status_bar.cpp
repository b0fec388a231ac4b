#include "sim/status/status_bar.h"

#include <algorithm>
#include <limits>

namespace vexa::sim {

namespace {

constexpr int kCells = 20;

// Positions beyond the range show a full or empty meter, as the host's control clamps them.
long long clampedSum(long long a, long long b) {
    return std::clamp(a + b, static_cast<long long>(std::numeric_limits<int>::min()),
                      static_cast<long long>(std::numeric_limits<int>::max()));
}

}  // namespace

int ProgressMeter::percent() const {
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long done = std::clamp(static_cast<long long>(position) - minimum, 0LL, span);
    return span > 0 ? static_cast<int>(done * 100 / span) : 0;
}

bool StatusBar::setMeter(std::wstring label, int minimum, int maximum) {
    // An empty range has nothing to show; the host refuses it (unconfirmed what it draws).
    if (maximum <= minimum) return false;
    meter_ = ProgressMeter{std::move(label), minimum, maximum, minimum};
    return true;
}

bool StatusBar::setPosition(int position) {
    if (!meter_) return false;
    meter_->position = position >= 0 ? position : static_cast<int>(clampedSum(meter_->position, position));
    meter_->position = std::clamp(meter_->position, meter_->minimum, meter_->maximum);
    return true;
}

std::wstring StatusBar::describe() const {
    if (!meter_) return L"status bar: Ready";
    const int filled = meter_->percent() * kCells / 100;
    return L"status bar: " + meter_->label + L" [" + std::wstring(static_cast<std::size_t>(filled), L'#') +
           std::wstring(static_cast<std::size_t>(kCells - filled), L' ') + L"] " + std::to_wstring(meter_->position) +
           L" of " + std::to_wstring(meter_->maximum) + L" (" + std::to_wstring(meter_->percent()) + L"%)";
}

}  // namespace vexa::sim
