// The host's status bar with its progress meter, as a test reads it and `status` prints it.
#pragma once

#include <optional>
#include <string>

namespace vexa::sim {

struct ProgressMeter {
    std::wstring label;
    int minimum = 0;
    int maximum = 100;
    int position = 0;

    // How full the meter is, 0 to 100.
    int percent() const;
};

class StatusBar {
public:
    bool setMeter(std::wstring label, int minimum, int maximum);
    bool setPosition(int position);
    void restore() { meter_.reset(); }
    const std::optional<ProgressMeter>& meter() const { return meter_; }

    // One line: the meter as a bar of 20 cells with its label and position, or the idle text.
    std::wstring describe() const;

private:
    std::optional<ProgressMeter> meter_;
};

}  // namespace vexa::sim
