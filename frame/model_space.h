// Adding entities to the working drawing's model space.
#pragma once

#include "acad/dbmain.h"

namespace vexa::frame {

// Appends the entity to "*Model_Space" and closes it; false (the entity still the caller's)
// when the block table, model space or the append refuse.
bool appendToModelSpace(AcDbEntity* entity, AcDbObjectId& id);

}  // namespace vexa::frame
