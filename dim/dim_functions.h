// VexaDim's AutoLISP functions, in the order of its function table.
#pragma once

#include "acad/adscodes.h"

namespace vexa::dim {

int dimSetupDlg(resbuf* args);
int dimSettingsDlg(resbuf* args);
int dynSymEnt(resbuf* args);
int adjDimTxt(resbuf* args);

}  // namespace vexa::dim
