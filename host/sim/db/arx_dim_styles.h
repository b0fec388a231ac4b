// The host's side of the dimension style table, for the open of arx_objects.cpp.
#pragma once

#include "acad/dbdimstyle.h"
#include "db/database.h"

namespace vexa::sim::db {

// A fresh object for the table or one of its styles; null for any other id. Styles are only
// read by plug-ins, so nothing of them is written back at close.
AcDbObject* newDimStyleObject(const Database& database, ObjectId id);

}  // namespace vexa::sim::db
