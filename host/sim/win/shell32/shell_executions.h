// What the plug-ins asked the shell to open. Nothing is started on the simulated machine: each
// request is recorded for tests and printed on the command line.
#pragma once

#include <string>
#include <vector>

namespace vexa::sim::win {

struct ShellExecution {
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    int showCommand = 0;

    // "open \"https://…\" SW_SHOWNORMAL"
    std::wstring describe() const;
};

class ShellExecutions {
public:
    void record(ShellExecution execution) { executions_.push_back(std::move(execution)); }
    const std::vector<ShellExecution>& all() const { return executions_; }

private:
    std::vector<ShellExecution> executions_;
};

}  // namespace vexa::sim::win
