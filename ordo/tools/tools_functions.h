// The AutoLISP functions of the drafting tools' choice dialogs.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

int dxToolsBolt(resbuf* args);   // "Vexa-dxTools-Bolt"
int dxToolsDrill(resbuf* args);  // "Vexa-dxTools-Drill"
int dxToolsCyldS(resbuf* args);  // "Vexa-dxTools-CyldS"
int dxToolsCyld(resbuf* args);   // "Vexa-dxTools-Cyld"

}  // namespace vexa::ordo
