// Dimensions, leaders and multileaders as AutoLISP's DXF lists, and back. The overall scale and
// text height a dimension or leader overrides travel as the host's dimension style override
// data: (-3 ("ACAD" (1000 . "DSTYLE") (1002 . "{") (1070 . 40) (1040 . SCALE) (1070 . 140)
// (1040 . HEIGHT) (1002 . "}"))).
#pragma once

#include <optional>
#include <vector>

#include "db/dxf_records.h"

namespace vexa::sim::db {

bool isAnnotation(const Geometry& geometry);

// The subclass groups of an annotation entity (precondition: isAnnotation).
void appendAnnotationGroups(std::vector<lisp::ValuePtr>& items, const Database& database, const Geometry& geometry);
// The group -3 with the overrides; null when the entity overrides nothing.
lisp::ValuePtr annotationXData(const Geometry& geometry);

// Applies the groups to an annotation entity (precondition: isAnnotation); false when a group
// has a value of the wrong type or range, or names a style the drawing lacks.
bool readAnnotationGroups(const DxfGroups& dxf, const Database& database, Geometry& geometry);

}  // namespace vexa::sim::db
