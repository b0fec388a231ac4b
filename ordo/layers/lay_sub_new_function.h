// "Vexa-SetLaySub": asks for a new sublayer in the "New Sub-Layer" dialog.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

// (Vexa-SetLaySub (N (names…) destination (method red green blue) linetype (t0 … t11))):
// (destination kind other (method red green blue) linetype) at OK; nil at Cancel or for a
// list shorter than that form, which shows nothing.
int setLaySub(resbuf* args);

}  // namespace vexa::ordo
