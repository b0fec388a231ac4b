// The host's objects for the text entities: text, multiline text, attribute definition, block
// reference and attribute.
#pragma once

#include "acad/dbtext.h"
#include "db/records.h"

namespace vexa::sim::db {

// A fresh object for an entity of one of the text kinds; null for any other kind.
AcDbEntity* newTextEntityObject(const Entity& entity);

// The object's text geometry into the record; false for an object of another class, and for an
// attribute whose record is not one (an attribute joins no drawing on its own).
bool readTextGeometry(const AcDbEntity& object, Geometry& geometry);

}  // namespace vexa::sim::db
