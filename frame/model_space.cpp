#include "frame/model_space.h"

#include "acad/dbblocks.h"

namespace vexa::frame {

bool appendToModelSpace(AcDbEntity* entity, AcDbObjectId& id) {
    AcDbBlockTable* table = nullptr;
    if (acdbHostApplicationServices()->workingDatabase()->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return false;
    AcDbBlockTableRecord* space = nullptr;
    if (table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite) != Acad::eOk) {
        table->close();
        return false;
    }
    const bool appended = space->appendAcDbEntity(id, entity) == Acad::eOk;
    if (appended) entity->close();
    space->close();
    table->close();
    return appended;
}

}  // namespace vexa::frame
