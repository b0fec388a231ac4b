#include "sim/faults.h"

namespace vexa::sim {

void Faults::arm(std::wstring service, int nth) {
    if (nth < 1) nth = 1;
    countdown_[std::move(service)] = nth;
}

bool Faults::failsNow(const std::wstring& service) {
    auto it = countdown_.find(service);
    if (it == countdown_.end()) return false;
    if (--it->second > 0) return false;
    countdown_.erase(it);
    return true;
}

std::vector<std::wstring> Faults::pending() const {
    std::vector<std::wstring> names;
    for (const auto& [service, left] : countdown_) {
        names.push_back(service + L" (call " + std::to_wstring(left) + L" from now)");
    }
    return names;
}

}  // namespace vexa::sim
