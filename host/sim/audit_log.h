// Faults the simulator found in a plug-in's behaviour (leaks, unbalanced stacks, unanswered prompts).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vexa::sim {

class AuditLog {
public:
    void record(std::wstring fault) { faults_.push_back(std::move(fault)); }
    const std::vector<std::wstring>& faults() const { return faults_; }
    std::vector<std::wstring> take() { return std::exchange(faults_, {}); }

private:
    std::vector<std::wstring> faults_;
};

}  // namespace vexa::sim
