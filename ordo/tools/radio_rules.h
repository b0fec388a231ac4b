// Corrections of a radio-group choice that names a disabled radio.
#pragma once

#include <span>

namespace vexa::ordo {

// The enabled radio nearest to `index` (the lower one on a tie). An index outside the group
// names no radio and is kept, so that the group shows no selection.
int nearestEnabled(int index, std::span<const bool> enabled);

// The first enabled radio when `index` names a disabled one; an index outside the group is kept.
int firstEnabled(int index, std::span<const bool> enabled);

}  // namespace vexa::ordo
