// Reads an ASCII DXF file into its groups, checking each code and value as it goes.
#pragma once

#include <string_view>
#include <vector>

#include "dxf/groups.h"

namespace vexa::sim::dxf {

// Throws DxfError naming the line: binary DXF, text that is not UTF-8, a code that is no
// number or no known code, a value of the wrong kind, a code without its value.
std::vector<Group> readGroups(std::string_view text);

}  // namespace vexa::sim::dxf
