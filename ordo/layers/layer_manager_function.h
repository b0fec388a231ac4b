// "Vexa-dxOrdoMan": the layer manager, answering the main layer the user chose.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {
int dxOrdoMan(resbuf* args);
}
