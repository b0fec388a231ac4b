// The curve kinds of the entity table that hidden-line removal leaves in model space: ELLIPSE, SPLINE.
#pragma once

#include "dxf/entity_kinds.h"

namespace vexa::sim::dxf {

bool readEllipse(const Record& record, db::Geometry& geometry);
void writeEllipse(const db::Geometry& geometry, Record& record, TextCoding coding);
bool readSpline(const Record& record, db::Geometry& geometry);
void writeSpline(const db::Geometry& geometry, Record& record, TextCoding coding);

}  // namespace vexa::sim::dxf
