// Rows of the entity table kept beside their readers and writers: the text kinds
// (entity_text_kinds.cpp), the curves hidden-line removal leaves (entity_curve_kinds.cpp) and
// the annotation (entity_annotation_kinds.cpp).
#pragma once

#include <span>

#include "db/database.h"

#include "dxf/entity_kinds.h"

namespace vexa::sim::dxf {

std::span<const EntityKind> textKinds();   // TEXT, MTEXT, ATTDEF, ATTRIB
std::span<const EntityKind> curveKinds();  // ELLIPSE, SPLINE
std::span<const EntityKind> annotationKinds();  // DIMENSION (rotated, aligned), LEADER, MULTILEADER

// A dimension's or leader's style (group 3, by name; the current style when the drawing lacks it)
// and the overall scale and text height it overrides (the "ACAD" application's DSTYLE data).
// Nothing for other kinds.
void readAnnotationStyle(const Record& record, const db::Database& database, db::Geometry& geometry);
void writeAnnotationStyle(const db::Geometry& geometry, const db::Database& database, Record& record);

}  // namespace vexa::sim::dxf
