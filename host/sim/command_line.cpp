#include "sim/command_line.h"

namespace vexa::sim {

void CommandLine::print(std::wstring_view text) {
    transcript_ += text;
    if (echo_) echo_(text);
}

void CommandLine::fail(std::wstring_view message) {
    failures_.emplace_back(message);
    print(L"\n");
    print(message);
}

std::wstring CommandLine::takeNew() {
    std::wstring fresh = transcript_.substr(taken_);
    taken_ = transcript_.size();
    return fresh;
}

}  // namespace vexa::sim
