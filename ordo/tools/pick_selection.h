// "Vexa-PSSget" and "Vexa-PSSget-S": the host's selection, watched through a window-message
// filter, returning the selected entity names or "*Enter*" / "*Cancel*" for how it ended.
#pragma once

#include "acad/adscodes.h"

namespace vexa::ordo {

int pickSelection(resbuf* args);
int pickSelectionSingle(resbuf* args);
// The same selection in any of the host's selection modes ("Vexa-LayEntsel" picks with ":$:E:S").
int pickSelectionInMode(resbuf* args, const ACHAR* mode);

// Removes the watch filter if it is still registered (at unload).
void removeSelectionWatch();

}  // namespace vexa::ordo
