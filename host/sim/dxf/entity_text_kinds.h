// The text kinds of the entity table: TEXT, MTEXT, ATTDEF and ATTRIB.
#pragma once

#include "dxf/entity_kinds.h"

namespace vexa::sim::dxf {

bool readText(const Record& record, db::Geometry& geometry);
void writeText(const db::Geometry& geometry, Record& record, TextCoding coding);
bool readMText(const Record& record, db::Geometry& geometry);
void writeMText(const db::Geometry& geometry, Record& record, TextCoding coding);
bool readAttributeDefinition(const Record& record, db::Geometry& geometry);
void writeAttributeDefinition(const db::Geometry& geometry, Record& record, TextCoding coding);
// The owner is the block reference the attribute follows; the reader of the entities sets it.
bool readAttribute(const Record& record, db::Geometry& geometry);
void writeAttribute(const db::Geometry& geometry, Record& record, TextCoding coding);

}  // namespace vexa::sim::dxf
