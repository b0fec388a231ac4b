// "Vexa-LayEntsel": one pick of everything under the pick box, reporting how the pick ended.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

// (Vexa-LayEntsel [prompt [filter]]): the entity names, "*Enter*", "*Cancel*" or nil.
int layEntsel(resbuf* args);

}  // namespace vexa::ordo
