// An entity record's common groups (layer, colour, linetype) around its kind's groups.
#pragma once

#include <optional>
#include <string>

#include "db/database.h"
#include "dxf/entity_kinds.h"

namespace vexa::sim::dxf {

// Nothing when the kind is unknown, the record lies in paper space or holds what the database
// cannot. A layer the record names and the table lacks is made, as the host does.
std::optional<db::Entity> readEntity(const Record& record, db::Database& database);

// Nothing for a kind without a row in the entity table.
std::optional<Record> writeEntity(const db::Entity& entity, const db::Database& database, const std::string& handle,
                                  const std::string& owner);

// Codes an entity record holds only when they differ from a default.
constexpr std::initializer_list<int> kEntityOptionalCodes = {6, 62, 60};

}  // namespace vexa::sim::dxf
