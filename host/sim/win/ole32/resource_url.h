// res:// addresses: "res://" module "/" [type "/"] name, the module a path (or only the file
// name) of a loaded module, the type RT_HTML (23) unless given, names as the resource compiler
// stores them ("#143" or "143" an ordinal, other names in capitals).
#pragma once

#include <optional>
#include <string>

#include "sim/win/user32/resources.h"

namespace vexa::sim::win {

constexpr WORD RT_HTML_ID = 23;

struct ResourceUrl {
    std::wstring module;
    ResourceId type = ResourceId::of(RT_HTML_ID);
    ResourceId name;
};

// Nothing when the address is not a res:// address of that shape.
std::optional<ResourceUrl> parseResourceUrl(std::wstring_view address);

}  // namespace vexa::sim::win
