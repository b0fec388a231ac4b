// Writes a database as DXF text over what its source file held.
#pragma once

#include <string>
#include <string_view>

#include "db/database.h"
#include "dxf/source_drawing.h"

namespace vexa::sim::dxf {

// Records the database holds unchanged are written as read; changed ones with their values
// patched in; new ones take new handles, and $HANDSEED follows.
std::string writeDrawing(const db::Database& database, SourceDrawing& source, std::wstring_view currentLayer);

}  // namespace vexa::sim::dxf
