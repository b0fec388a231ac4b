// AutoLISP's table and entity functions over one drawing's database.
#pragma once

#include "db/database.h"
#include "lisp/interpreter.h"
#include "sim/system_variables.h"

namespace vexa::sim::db {

// tblsearch, tblnext, tblobjname, entget, entmake, entmod, entdel, entlast, entnext.
// The current layer (CLAYER) is read from the system variables when it matters.
void defineTableFunctions(lisp::Interpreter& lisp, Database& database, const SystemVariables& variables);

// The object id of an entity-name argument; the host's "lentityp" error otherwise.
ObjectId entityArg(const lisp::Args& args, std::size_t index);

}  // namespace vexa::sim::db
