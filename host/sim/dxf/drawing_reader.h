// Reads a DXF drawing into a new database, keeping what the database does not hold.
#pragma once

#include <string>
#include <string_view>

#include "db/database.h"
#include "dxf/source_drawing.h"

namespace vexa::sim::dxf {

struct ReadDrawing {
    SourceDrawing source;
    std::wstring currentLayer;  // $CLAYER when the drawing has that layer, else empty
};

// Throws DxfError naming the line of the first fault.
ReadDrawing readDrawing(std::string_view text, db::Database& database);

// What a drawing that was never read from a file is saved into: an empty R2000 drawing.
SourceDrawing newDrawingSource();

}  // namespace vexa::sim::dxf
