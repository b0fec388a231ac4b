// The host's side of dictionaries and materials, for the open and close of arx_objects.cpp.
#pragma once

#include "acad/dbmaterial.h"
#include "db/database.h"

namespace vexa::sim::db {

// A fresh object holding a copy of the dictionary or material with the id; null when there is none.
AcDbObject* newNamedObject(const Database& database, ObjectId id);
// Writes a material back at close; false when the object is no material.
bool writeBackNamedObject(Database& database, ObjectId id, const AcDbObject& object);

}  // namespace vexa::sim::db
