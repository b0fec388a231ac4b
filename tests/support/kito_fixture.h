// VexaKito loaded into a fresh host, with a probe window of the host that has the keyboard
// focus and records the input messages that reach it.
#pragma once

#include <utility>
#include <vector>

#include "support/host_fixture.h"
#include "win/keyboard_input.h"

namespace vexa::test {

using Received = std::vector<std::pair<UINT, WPARAM>>;

class KitoTest : public HostTest {
protected:
    KitoTest();

    sim::Input& input() { return host.input(); }
    // The key and mouse messages the probe received since the last call.
    Received takeReceived();
    // The command-line text printed since the last call.
    std::wstring takePrinted();

    HWND probe = nullptr;

private:
    std::size_t printed_ = 0;
};

// Each usage line as printed: after a newline.
std::wstring printedLines(const std::vector<std::wstring>& lines);

}  // namespace vexa::test
