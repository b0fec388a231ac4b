#include "frame/colour_quad.h"

namespace vexa::frame {

AcCmColor colourFromQuad(const ColourQuad& quad) {
    AcCmColor colour;
    if (quad.method == AcCmEntityColor::kByColor) {
        colour.setRGB(static_cast<std::uint8_t>(quad.red), static_cast<std::uint8_t>(quad.green),
                      static_cast<std::uint8_t>(quad.blue));
    } else if (quad.method == AcCmEntityColor::kByACI) {
        colour.setColorIndex(static_cast<std::int16_t>(quad.blue));
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
