// Layer and linetype table entries: records to database records and back.
#pragma once

#include <optional>

#include "db/database.h"
#include "dxf/entity_kinds.h"
#include "dxf/source_drawing.h"

namespace vexa::sim::dxf {

// Nothing when the name is one the database refuses; other odd values take their defaults.
std::optional<db::Linetype> readLinetype(const Record& record);
std::optional<db::Layer> readLayer(const Record& record, const db::Database& database);

Record writeLinetype(const db::Linetype& linetype, SourceDrawing& source);
Record writeLayer(const db::Layer& layer, const db::Database& database, SourceDrawing& source);

// Codes a layer record holds only when they differ from a default.
constexpr std::initializer_list<int> kLayerOptionalCodes = {420};

}  // namespace vexa::sim::dxf
