// Rows of the entity table kept beside their readers and writers: the text kinds
// (entity_text_kinds.cpp) and the curves hidden-line removal leaves (entity_curve_kinds.cpp).
#pragma once

#include <span>

#include "dxf/entity_kinds.h"

namespace vexa::sim::dxf {

std::span<const EntityKind> textKinds();   // TEXT, MTEXT, ATTDEF, ATTRIB
std::span<const EntityKind> curveKinds();  // ELLIPSE, SPLINE

}  // namespace vexa::sim::dxf
