// "Vexa-dxOrdoSet" and "Vexa-dxOrdoSet2": the layer display dialogs.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

int dxOrdoSet(resbuf* args);
int dxOrdoSet2(resbuf* args);

}  // namespace vexa::ordo
