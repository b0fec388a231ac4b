// AutoLISP's dictionary functions and the MATERIAL objects that scripts make with entmakex.
#pragma once

#include "db/database.h"
#include "lisp/interpreter.h"

namespace vexa::sim::db {

// namedobjdict, dictsearch, dictadd, entmakex.
void defineDictionaryFunctions(lisp::Interpreter& lisp, Database& database);

// The entget list of a dictionary or material; nil for any other object.
lisp::ValuePtr namedObjectToDxf(const Database& database, ObjectId id);

}  // namespace vexa::sim::db
