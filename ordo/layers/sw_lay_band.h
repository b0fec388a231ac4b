// "Vexa-swLayBand": switches the rubber band on or off.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

// (Vexa-swLayBand point) with a 3D point on; any other call off.
int swLayBand(resbuf* args);

}  // namespace vexa::ordo
