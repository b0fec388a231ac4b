// The host's objects for dimensions, leaders and multileaders, and back.
#pragma once

#include "acad/dbmain.h"
#include "db/database.h"

namespace vexa::sim::db {

// A fresh object for an entity of one of the annotation kinds; null for any other kind.
AcDbEntity* newAnnotationObject(Database& database, const Entity& entity);

// The object's annotation geometry into the record; false for an object of another class.
bool readAnnotationGeometry(const AcDbEntity& object, Geometry& geometry);

}  // namespace vexa::sim::db
