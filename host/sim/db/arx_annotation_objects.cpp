#include "db/arx_annotation_objects.h"

#include <cmath>

#include "acad/dbdim.h"
#include "acad/dblead.h"
#include "acad/dbmleader.h"
#include "db/entity_geometry.h"
#include "db/object_access.h"

namespace vexa::sim::db {

namespace {

AcGePoint3d toPoint(const Point3& p) { return {p.x, p.y, p.z}; }
Point3 fromPoint(const AcGePoint3d& p) { return {p.x, p.y, p.z}; }

struct AnnotationObjectOf {
    Database& database;
    AcDbEntity* operator()(const DimensionGeometry& geometry) const {
        AcDbDimension* dimension = nullptr;
        if (geometry.aligned) {
            dimension = new AcDbAlignedDimension(toPoint(geometry.xLine1), toPoint(geometry.xLine2),
                                                 toPoint(geometry.dimLine));
        } else {
            dimension = new AcDbRotatedDimension(geometry.rotation, toPoint(geometry.xLine1), toPoint(geometry.xLine2),
                                                 toPoint(geometry.dimLine));
        }
        AcDbObjectAccess::fillDimension(*dimension, geometry, database.objectId(geometry.style));
        return dimension;
    }
    AcDbEntity* operator()(const LeaderGeometry& geometry) const {
        auto* leader = new AcDbLeader;
        for (const Point3& vertex : geometry.vertices) leader->appendVertex(toPoint(vertex));
        AcDbObjectAccess::fillLeader(*leader, geometry.scale, database.objectId(geometry.style));
        return leader;
    }
    AcDbEntity* operator()(const MLeaderGeometry& geometry) const {
        auto* leader = new AcDbMLeader;
        leader->setTextLocation(toPoint(geometry.position));
        leader->setScale(geometry.scale);
        leader->setTextHeight(geometry.textHeight);
        return leader;
    }
    template <class Other>
    AcDbEntity* operator()(const Other&) const {
        return nullptr;
    }
};

DimensionGeometry linearGeometry(const AcDbLinearDimension& dimension, bool aligned, double rotation) {
    DimensionGeometry geometry;
    geometry.aligned = aligned;
    geometry.rotation = rotation;
    geometry.xLine1 = fromPoint(dimension.xLine1Point());
    geometry.xLine2 = fromPoint(dimension.xLine2Point());
    geometry.dimLine = fromPoint(dimension.dimLinePoint());
    AcDbObjectAccess::readDimension(dimension, geometry);
    // The host recomputes the dimension as it takes it back, placing a text it positions itself.
    if (!geometry.userTextPosition) geometry.textPosition = defaultTextPosition(geometry);
    return geometry;
}

// A variable of the style the id names; the default style's value when it names none.
double styleValue(const AcDbObjectId& id, double DimStyle::*variable) {
    const auto* database = static_cast<const Database*>(id.database());
    const DimStyle* style = database != nullptr ? database->dimStyles().findById(id.asOldId()) : nullptr;
    return style != nullptr ? style->*variable : DimStyle{}.*variable;
}

bool isScale(double value) { return value >= 0.0 && std::isfinite(value); }
bool isSize(double value) { return value > 0.0 && std::isfinite(value); }

}  // namespace

AcDbEntity* newAnnotationObject(Database& database, const Entity& entity) {
    return std::visit(AnnotationObjectOf{database}, entity.geometry);
}

bool readAnnotationGeometry(const AcDbEntity& object, Geometry& geometry) {
    if (const auto* rotated = AcDbRotatedDimension::cast(&object)) {
        geometry = linearGeometry(*rotated, false, rotated->rotation());
    } else if (const auto* aligned = AcDbAlignedDimension::cast(&object)) {
        geometry = linearGeometry(*aligned, true, 0.0);
    } else if (const auto* leader = AcDbLeader::cast(&object)) {
        LeaderGeometry read{{}, leader->dimensionStyle().asOldId(), AcDbObjectAccess::leaderScale(*leader)};
        for (int i = 0; i < leader->numVertices(); ++i) read.vertices.push_back(fromPoint(leader->vertexAt(i)));
        geometry = std::move(read);
    } else if (const auto* mleader = AcDbMLeader::cast(&object)) {
        AcGePoint3d location;
        mleader->getTextLocation(location);
        geometry = MLeaderGeometry{fromPoint(location), mleader->scale(), mleader->textHeight()};
    } else {
        return false;
    }
    return true;
}

}  // namespace vexa::sim::db

using vexa::sim::db::isScale;
using vexa::sim::db::isSize;
using vexa::sim::db::styleValue;
using vexa::sim::db::DimStyle;

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& position) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    textPosition_ = position;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useDefaultTextPosition() {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    userTextPosition_ = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useSetTextPosition() {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    userTextPosition_ = true;
    return Acad::eOk;
}

double AcDbDimension::dimscale() const { return scale_.value_or(styleValue(style_, &DimStyle::scale)); }

Acad::ErrorStatus AcDbDimension::setDimscale(double scale) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!isScale(scale)) return Acad::eInvalidInput;
    scale_ = scale;
    return Acad::eOk;
}

double AcDbDimension::dimtxt() const { return textHeight_.value_or(styleValue(style_, &DimStyle::textHeight)); }

Acad::ErrorStatus AcDbLinearDimension::setDimLinePoint(const AcGePoint3d& point) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    dimLine_ = point;
    return Acad::eOk;
}

bool AcDbLeader::appendVertex(const AcGePoint3d& vertex) {
    if (checkWritable() != Acad::eOk) return false;
    vertices_.push_back(vertex);
    return true;
}

AcGePoint3d AcDbLeader::vertexAt(int index) const {
    return index >= 0 && index < numVertices() ? vertices_[static_cast<std::size_t>(index)] : AcGePoint3d();
}

double AcDbLeader::dimscale() const { return scale_.value_or(styleValue(style_, &DimStyle::scale)); }

Acad::ErrorStatus AcDbLeader::setDimscale(double scale) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!isScale(scale)) return Acad::eInvalidInput;
    scale_ = scale;
    return Acad::eOk;
}

double AcDbLeader::dimtxt() const { return styleValue(style_, &DimStyle::textHeight); }

Acad::ErrorStatus AcDbMLeader::setScale(double scale) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!isSize(scale)) return Acad::eInvalidInput;
    scale_ = scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::setTextHeight(double height) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!isSize(height)) return Acad::eInvalidInput;
    textHeight_ = height;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::getTextLocation(AcGePoint3d& location) const {
    location = location_;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::setTextLocation(const AcGePoint3d& location) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    location_ = location;
    return Acad::eOk;
}
