// Entities of the database as the host's entity classes, and back.
#pragma once

#include "acad/dbmain.h"
#include "db/database.h"

namespace vexa::sim::db {

// A new object of the entity's class (a plain entity for classes the plug-ins do not open by class).
AcDbEntity* newEntityObject(Database& database, const Entity& entity);

// The object's geometry into the record; false (geometry untouched) for solids, whose shape
// plug-ins do not set, and for an attribute into a record of another kind.
bool readGeometryOf(const AcDbEntity& object, Geometry& geometry);

}  // namespace vexa::sim::db
