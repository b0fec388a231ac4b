// The AutoLISP functions that convert points between the drawing window's pixels and the world,
// and switch the watcher that makes the viewport under the mouse current.
#pragma once

#include "acad/adscodes.h"

namespace vexa::kito {

int pixelToWorld(resbuf* args);
int worldToPixel(resbuf* args);
int viewportWatchOn(resbuf* args);
int viewportWatchOff(resbuf* args);

}  // namespace vexa::kito
