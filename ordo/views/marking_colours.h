// Arguments and result of "Vexa-dxSelColor", the marking colours of lacking and redundant objects.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acad/accmcolor.h"
#include "acad/adscodes.h"
#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

inline constexpr std::size_t kMarkingCaptionSlots = 5;
inline constexpr int kTrueColourMethod = 194;
inline constexpr int kIndexColourMethod = 195;

// The callers always pass both colours; distinct index colours stand in for a missing one
// so that the two markings stay apart.
struct MarkingColours {
    frame::ColourQuad lacking{kIndexColourMethod, 0, 0, 1};
    frame::ColourQuad redundant{kIndexColourMethod, 0, 0, 3};
    std::vector<std::wstring> captions = std::vector<std::wstring>(kMarkingCaptionSlots);
};

// Quadruples (lists that begin with an integer) fill lacking, then redundant; the first list that
// begins with a string is the caption list. Nothing without arguments.
std::optional<MarkingColours> readMarkingColours(const resbuf* args);

// The colour a box shows for a quadruple: an index colour for method 195, else the true colour
// of its red, green and blue numbers.
AcCmColor markingColour(const frame::ColourQuad& quad);

// The result ((method red green blue) (method red green blue)), lacking first.
frame::ListBuilder markingColoursResult(const MarkingColours& colours);

}  // namespace vexa::ordo
