// The counted lists of the frame dialogs: (N F text… caption…), N rows of a fixed number of
// strings, F a count of leading rows, then a fixed number of captions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frame/lisp_items.h"

namespace vexa::ordo {

struct CountedStrings {
    int fixed = 0;
    std::vector<std::wstring> rowTexts;  // N × perRow
    std::vector<std::wstring> captions;
};

// Nothing when N or F is not an integer or is negative, or when the list holds fewer strings
// than the counts promise; strings beyond them are ignored.
std::optional<CountedStrings> readCountedStrings(const frame::Element& list, std::size_t perRow, std::size_t captions);

}  // namespace vexa::ordo
