// The mode string of a selection: a method ("W", "CP", "X" …) or colon flags (":$:K:S" …).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexa::sim::editor {

struct SelectionMode {
    std::wstring method;  // empty: the interactive prompt, or a pick when a point is given
    bool prompts = false;     // :$
    bool single = false;      // :S
    bool everything = false;  // :E
    bool keywords = false;    // :K
    bool otherInput = false;  // :?

    // Nothing for a mode the host does not know (such as "-W").
    static std::optional<SelectionMode> parse(std::wstring_view text);
};

}  // namespace vexa::sim::editor
