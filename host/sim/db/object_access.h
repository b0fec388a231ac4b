// The host's side of database objects: what only the host may set on an object it hands out.
#pragma once

#include "acad/dbdimstyle.h"
#include "acad/dbmain.h"
#include "acad/dbsol3d.h"
#include "db/records.h"

class AcDbObjectAccess {
public:
    static void markOpen(AcDbObject& object, AcDbObjectId id, AcDb::OpenMode mode) {
        object.id_ = id;
        object.mode_ = mode;
    }
    static void fillLinetype(AcDbLinetypeTableRecord& record, const vexa::sim::db::Linetype& linetype) {
        record.comments_ = linetype.description;
        record.dashes_ = linetype.dashes;
    }
    static void fillDimStyle(AcDbDimStyleTableRecord& record, const vexa::sim::db::DimStyle& style) {
        record.textHeight_ = style.textHeight;
        record.scale_ = style.scale;
    }
    static void markFilled(AcDb3dSolid& solid, bool filled) { solid.empty_ = !filled; }
};
