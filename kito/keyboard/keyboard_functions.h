// The AutoLISP functions of keyboard and ESC control: "Vexa-disableESC", "Vexa-readKB", "Vexa-grRead".
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int disableEsc(resbuf* args);
int readKeyboard(resbuf* args);
int grRead(resbuf* args);

}  // namespace vexa::kito
