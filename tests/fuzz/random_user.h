// A user who answers whatever waits with random acts: keys and clicks in any dialog, ESC, Enter,
// text and picks at prompts. After a budget of acts per call it only closes what is up, and
// past a hard limit it gives up, so no call can wait for ever.
#pragma once

#include <random>

#include "sim/host.h"

namespace vexa::fuzz {

class RandomUser {
public:
    explicit RandomUser(sim::Host& host);
    ~RandomUser();
    RandomUser(const RandomUser&) = delete;
    RandomUser& operator=(const RandomUser&) = delete;

    // Starts the acts of one call, seeded so that the call can be repeated exactly.
    void beginCall(std::uint64_t seed);
    // True when the hard limit was reached in this call: what the host then audits is ours.
    bool gaveUp() const { return gaveUp_; }

private:
    void respond(sim::UserInput::Waiting waiting, HWND dialog);
    void atPrompt();
    void inDialog(HWND dialog);
    void closeDialog(HWND dialog);
    std::wstring randomText();
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    sim::Host& host_;
    std::mt19937_64 random_;
    int acts_ = 0;
    bool gaveUp_ = false;
};

}  // namespace vexa::fuzz
