// The AutoLISP functions of message boxes: "Vexa-msgbox" and the notice window of "Vexa-msgbox2".
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int msgbox(resbuf* args);
int msgbox2(resbuf* args);

}  // namespace vexa::kito
