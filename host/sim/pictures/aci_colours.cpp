#include "sim/pictures/aci_colours.h"

#include <cmath>

namespace vexa::sim::pictures {

Colour aciColour(int index) {
    static constexpr Colour standard[10] = {{255, 255, 255}, {255, 0, 0},   {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
                                            {0, 0, 255},     {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
    static constexpr std::uint8_t greys[6] = {51, 80, 105, 130, 190, 255};
    if (index >= 1 && index <= 9) return standard[index];
    if (index >= 250 && index <= 255) return {greys[index - 250], greys[index - 250], greys[index - 250]};
    if (index < 10 || index > 255) return standard[7];
    // 10..249: 24 hues 15° apart; within a hue five brightnesses, each full and pale.
    static constexpr double values[5] = {255, 189, 129, 104, 79};
    const double hue = (index - 10) / 10 * 15.0;
    const double value = values[(index % 10) / 2];
    const double low = index % 2 ? value * 2.0 / 3.0 : 0.0;
    auto channel = [&](double offset) {
        // Distance from the channel's own hue on the colour wheel, as HSV's piecewise ramp.
        double d = std::fmod(hue - offset + 360.0, 360.0);
        if (d > 180.0) d = 360.0 - d;
        const double weight = d <= 60.0 ? 1.0 : d >= 120.0 ? 0.0 : (120.0 - d) / 60.0;
        return static_cast<std::uint8_t>(std::lround(low + (value - low) * weight));
    };
    return {channel(0.0), channel(120.0), channel(240.0)};
}

}  // namespace vexa::sim::pictures
