// The control bits and keywords of acedInitGet and (initget): they hold for the next get call only.
#pragma once

#include <string>
#include <utility>

namespace vexa::sim {

// Bits of acedInitGet as the host reads them.
enum InputBits : int {
    kNoNull = 1,
    kNoZero = 2,
    kNoNegative = 4,
    kDashedBand = 32,
    kPlanar = 64,
    kArbitrary = 128,
};

class InputOptions {
public:
    struct Pending {
        int bits = 0;
        std::wstring keywords;
    };

    void set(int bits, std::wstring keywords) { pending_ = {bits, std::move(keywords)}; }
    // What the get call now starting takes; the next one starts with none.
    Pending take() { return std::exchange(pending_, Pending{}); }

    // The keyword or arbitrary text of the last get call that answered RTKWORD (acedGetInput).
    const std::wstring& lastKeyword() const { return lastKeyword_; }
    void setLastKeyword(std::wstring text) { lastKeyword_ = std::move(text); }

private:
    Pending pending_;
    std::wstring lastKeyword_;
};

}  // namespace vexa::sim
