// Writing back a record the database holds: verbatim when unchanged, else its values patched in.
#pragma once

#include <cstdint>
#include <optional>

#include "dxf/groups.h"

namespace vexa::sim::dxf {

// Of the groups written from the database: equal fingerprints mean nothing changed.
std::uint64_t fingerprint(const Record& record);

// The original with the written groups' values put in place, occurrence by occurrence, so its
// other groups stay; nothing when the original holds a different number of some written code
// (or of one of `alsoOwned`, codes written only when they differ from a default).
std::optional<Record> patchRecord(const Record& original, const Record& written, std::initializer_list<int> alsoOwned);

// The extended data at the end of a record (codes 1000 and up), to keep on a record written anew.
Record extendedData(const Record& record);

}  // namespace vexa::sim::dxf
