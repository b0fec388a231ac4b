// The AutoLISP function of remote file download: "Vexa-GetRemoteFile".
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int getRemoteFile(resbuf* args);

}  // namespace vexa::kito
