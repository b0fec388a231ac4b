// Between the product's colour quadruples (method red green blue) and the host's colour value.
#pragma once

#include "acad/accmcolor.h"
#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::frame {

// The nearest index of an index colour, 1 to 255: 0 and 256 would mean ByBlock and ByLayer,
// which the colour lists of these dialogs do not offer.
std::int16_t nearestColourIndex(int index);
// 194 is a true colour (each part cut to 0..255), 195 an index colour (the index in the fourth
// number, as nearestColourIndex reads it); any other method shows as index colour 253.
AcCmColor colourFromQuad(const ColourQuad& quad);
ColourQuad quadFromColour(const AcCmColor& colour);
void appendQuad(ListBuilder& list, const ColourQuad& quad);

}  // namespace vexa::frame
