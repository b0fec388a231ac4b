// The AutoLISP functions of Vexa3D: "Vexa-Hlr" and "Vexa-ViewsDlg".
#pragma once

#include "acad/adscodes.h"

namespace vexa::solid3d {

int viewsDlg(resbuf* args);
int hlr(resbuf* args);

}  // namespace vexa::solid3d
