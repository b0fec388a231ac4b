// "Vexa-mainSettings": the product's main settings dialog.
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int mainSettings(resbuf* args);

}  // namespace vexa::kito
