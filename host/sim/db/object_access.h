// The host's side of database objects: what only the host may set on an object it hands out.
#pragma once

#include "acad/dbdim.h"
#include "acad/dbdimstyle.h"
#include "acad/dblead.h"
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
    static void markErased(AcDbObject& object, bool erased) { object.erased_ = erased; }

    // The dimension's fields the host keeps beside the public ones: its style and overrides.
    static void fillDimension(AcDbDimension& dimension, const vexa::sim::db::DimensionGeometry& geometry,
                              const AcDbObjectId& style) {
        dimension.textPosition_ = {geometry.textPosition.x, geometry.textPosition.y, geometry.textPosition.z};
        dimension.userTextPosition_ = geometry.userTextPosition;
        dimension.style_ = style;
        dimension.scale_ = geometry.scale;
        dimension.textHeight_ = geometry.textHeight;
    }
    static void readDimension(const AcDbDimension& dimension, vexa::sim::db::DimensionGeometry& geometry) {
        const AcGePoint3d& text = dimension.textPosition_;
        geometry.textPosition = {text.x, text.y, text.z};
        geometry.userTextPosition = dimension.userTextPosition_;
        geometry.style = dimension.style_.asOldId();
        geometry.scale = dimension.scale_;
        geometry.textHeight = dimension.textHeight_;
    }
    static void fillLeader(AcDbLeader& leader, const std::optional<double>& scale, const AcDbObjectId& style) {
        leader.scale_ = scale;
        leader.style_ = style;
    }
    static const std::optional<double>& leaderScale(const AcDbLeader& leader) { return leader.scale_; }
};
