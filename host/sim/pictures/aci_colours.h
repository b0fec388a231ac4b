// The host's colour index (ACI) as the screen shows it.
#pragma once

#include "sim/pictures/canvas.h"

namespace vexa::sim::pictures {

// 1..255; 7 is white on the dark model-space background; anything else is white too.
Colour aciColour(int index);

}  // namespace vexa::sim::pictures
