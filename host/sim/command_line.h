// The host's command line: everything printed, in order.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::sim {

class CommandLine {
public:
    void print(std::wstring_view text);
    void fail(std::wstring_view message);
    const std::wstring& transcript() const { return transcript_; }
    // Text printed since the last call.
    std::wstring takeNew();
    const std::vector<std::wstring>& failures() const { return failures_; }
    // Where printed text also goes as it arrives (vexa-cad writes it to standard output).
    void setEcho(std::function<void(std::wstring_view)> echo) { echo_ = std::move(echo); }

private:
    std::wstring transcript_;
    std::size_t taken_ = 0;
    std::vector<std::wstring> failures_;
    std::function<void(std::wstring_view)> echo_;
};

}  // namespace vexa::sim
