// The layer dialogs' AutoLISP functions: "Vexa-dxOrdoMan" and "Vexa-SetLaySub".
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

// The layer manager, answering the main layer the user chose.
int dxOrdoMan(resbuf* args);

// (Vexa-SetLaySub (N (names…) destination (method red green blue) linetype (t0 … t11))):
// (destination kind other (method red green blue) linetype) at OK; nil at Cancel or for a
// list shorter than that form, which shows nothing.
int setLaySub(resbuf* args);

}  // namespace vexa::ordo
