// Between the product's colour quadruples (method red green blue) and the host's colour value.
#pragma once

#include "acad/accmcolor.h"
#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::frame {

// 194 is a true colour, 195 an index colour (the index in the fourth number); any other
// method shows as index colour 253.
AcCmColor colourFromQuad(const ColourQuad& quad);
ColourQuad quadFromColour(const AcCmColor& colour);
void appendQuad(ListBuilder& list, const ColourQuad& quad);

}  // namespace vexa::frame
