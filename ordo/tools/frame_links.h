// What links a frame attribute to the drawing: the text object picked for it and its handle.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::ordo {

struct LinkTarget {
    std::wstring text;    // the definition's tag, the text's string or the multiline text's contents
    std::wstring handle;  // upper-case hexadecimal, no leading zeros
};

// A text, a multiline text or an attribute definition can hold a link; an attribute of a block
// reference and every other object cannot.
std::optional<LinkTarget> linkTargetOf(const ads_name picked);

// The row other than `row` whose handle is the same, case ignored; -1 when none is.
int rowHoldingHandle(const std::vector<std::wstring>& handles, int row, std::wstring_view handle);

}  // namespace vexa::ordo
