// "Vexa-SSGet", "Vexa-ssgetRec" and "Vexa-SSSGet": the host's selection ending with objects, a
// keyword, other text, Enter or ESC, each a distinct result, and the input made meanwhile.
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int ssGet(resbuf* args);
int ssGetRecord(resbuf* args);
int singleSsGet(resbuf* args);

}  // namespace vexa::kito
