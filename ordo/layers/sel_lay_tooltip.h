// "Vexa-selLayToolTip": switches the layer tooltip on or off.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

// (Vexa-selLayToolTip oneText severalText [topOnly]) on; (Vexa-selLayToolTip [nil]) off.
int selLayToolTip(resbuf* args);

}  // namespace vexa::ordo
