// The colour set of the "Color" button: four slots per dialog class, kept for the whole process.
#pragma once

#include <array>

#include "acad/adscodes.h"

namespace vexa::ordo {

using FlashColourSlots = std::array<short, 4>;

// Items (t a b c index) with t from 0 to 3 set slot t to index; slots not named keep their value.
void readFlashColours(const resbuf* answer, FlashColourSlots& slots);

}  // namespace vexa::ordo
