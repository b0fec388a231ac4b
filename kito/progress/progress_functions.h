// The AutoLISP functions that show the state of long work: the status bar's progress meter,
// the running window, and the video help window.
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int progress(resbuf* args);
int running(resbuf* args);
int videoHelp(resbuf* args);

}  // namespace vexa::kito
