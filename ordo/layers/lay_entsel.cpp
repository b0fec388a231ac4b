#include "ordo/layers/lay_entsel.h"

#include "ordo/tools/pick_selection.h"

namespace vexa::ordo {

// Own prompts, everything inside the pick box, and a single pick ends it: one pick can
// return several objects.
int layEntsel(resbuf* args) { return pickSelectionInMode(args, L":$:E:S"); }

}  // namespace vexa::ordo
