#include "frame/colour_quad.h"

#include <algorithm>

namespace vexa::frame {

namespace {

std::uint8_t colourPart(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

}  // namespace

std::int16_t nearestColourIndex(int index) { return static_cast<std::int16_t>(std::clamp(index, 1, 255)); }

AcCmColor colourFromQuad(const ColourQuad& quad) {
    AcCmColor colour;
    if (quad.method == AcCmEntityColor::kByColor) {
        colour.setRGB(colourPart(quad.red), colourPart(quad.green), colourPart(quad.blue));
    } else if (quad.method == AcCmEntityColor::kByACI) {
        colour.setColorIndex(nearestColourIndex(quad.blue));
    } else {
        colour.setColorIndex(253);
    }
    return colour;
}

ColourQuad quadFromColour(const AcCmColor& colour) {
    return {colour.colorMethod(), colour.red(), colour.green(), colour.blue()};
}

void appendQuad(ListBuilder& list, const ColourQuad& quad) {
    list.beginList()
        .integer(static_cast<short>(quad.method))
        .integer(static_cast<short>(quad.red))
        .integer(static_cast<short>(quad.green))
        .integer(static_cast<short>(quad.blue))
        .endList();
}

}  // namespace vexa::frame
