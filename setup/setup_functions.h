// VexaSetup's AutoLISP functions.
#pragma once

#include "acad/adscodes.h"

namespace vexa::setup {

// (Vexa-InstallDlg [folder [language]]) -> (folder templates-flag) after "Install", else nil.
int installDialog(resbuf* args);
// (Vexa-ProgressDlg mode [text|percent]) -> nil: 1 opens, 2 shows a percentage, others close.
int progressDialog(resbuf* args);

}  // namespace vexa::setup
