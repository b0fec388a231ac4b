// The host's objects for the text entities: text, multiline text, attribute definition, block
// reference and attribute.
#pragma once

#include "acad/dbtext.h"
#include "db/records.h"

namespace vexa::sim::db {

// A fresh object for an entity of one of the text kinds; null for any other kind.
AcDbEntity* newTextEntityObject(const Entity& entity);

}  // namespace vexa::sim::db
