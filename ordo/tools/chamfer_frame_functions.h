// The AutoLISP functions of the de-chamfer, title-block attribute, frame set-up and initial scale dialogs.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

int dxDeChamf(resbuf* args);      // "Vexa-dxDeChamf"
int dxDeChamfComm(resbuf* args);  // "Vexa-dxDeChamfComm"
int dxFrmAtt(resbuf* args);       // "Vexa-dxFrmAtt"
int frameAtt2(resbuf* args);      // "Vexa-FrameAtt-2"
int dxSetScale(resbuf* args);     // "Vexa-dxSetScale"
int frameAtt1(resbuf* args);      // "Vexa-FrameAtt-1"

}  // namespace vexa::ordo
