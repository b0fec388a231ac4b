// The AutoLISP functions of the views check, 3D model options and marking colour dialogs.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

int dxVBKchkx(resbuf* args);      // "Vexa-dxVBKchkx"
int dxVBKchkMsg(resbuf* args);    // "Vexa-dxVBKchkMsg"
int dxAuto3dModel(resbuf* args);  // "Vexa-dxAuto3dModel"
int dxSelColor(resbuf* args);     // "Vexa-dxSelColor"

}  // namespace vexa::ordo
