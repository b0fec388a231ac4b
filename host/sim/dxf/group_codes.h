// What kind of value each DXF group code carries, from the format's table of code ranges.
#pragma once

namespace vexa::sim::dxf {

enum class ValueKind { Unknown, Text, Real, Integer };

ValueKind valueKindOf(int code);

}  // namespace vexa::sim::dxf
