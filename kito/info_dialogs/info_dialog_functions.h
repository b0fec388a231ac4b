// The AutoLISP functions of the information dialogs: hint, web-page hint, about, splash, and
// the plug-in's word size.
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int hintDlg(resbuf* args);
int htmlDlg(resbuf* args);
int about(resbuf* args);
int welcome(resbuf* args);
int osType(resbuf* args);

}  // namespace vexa::kito
