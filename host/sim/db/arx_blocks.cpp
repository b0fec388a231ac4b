// The host's side of the block table and model space, and of the curve entities' own members.
#include "acad/dbblocks.h"
#include "acad/dbcurves.h"
#include "db/database.h"
#include "db/entity_objects.h"
#include "db/object_access.h"
#include "sim/fault_points.h"

using vexa::sim::db::Database;

namespace {

// A dimension or leader made with new, or copied from another drawing, takes the current style.
void takeCurrentStyle(const Database& database, vexa::sim::db::Geometry& geometry) {
    const auto adopt = [&](vexa::sim::db::ObjectId& style) {
        if (database.dimStyles().findById(style) == nullptr) style = database.currentDimStyle().id;
    };
    if (auto* dimension = std::get_if<vexa::sim::db::DimensionGeometry>(&geometry)) adopt(dimension->style);
    if (auto* leader = std::get_if<vexa::sim::db::LeaderGeometry>(&geometry)) adopt(leader->style);
}

}  // namespace

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode) {
    table = nullptr;
    if (vexa::sim::serviceFails(L"getBlockTable")) return Acad::eOutOfMemory;
    return acdbOpenObject(table, {this, Database::kBlockTableId}, mode);
}

Acad::ErrorStatus AcDbBlockTable::getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode) const {
    record = nullptr;
    AcDbObjectId id;
    if (const Acad::ErrorStatus status = getAt(name, id); status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk || objectId().isNull()) {
        return objectId().isNull() ? Acad::eInvalidInput : status;
    }
    if (entity == nullptr || !entity->objectId().isNull()) return Acad::eInvalidInput;
    if (vexa::sim::serviceFails(L"appendAcDbEntity")) return Acad::eOutOfMemory;
    auto* database = static_cast<Database*>(objectId().database());
    vexa::sim::db::Entity record;
    if (!vexa::sim::db::readGeometryOf(*entity, record.geometry)) return Acad::eInvalidInput;
    const auto* layer = database->layers().find(entity->layer());
    const auto* linetype = database->linetypes().find(entity->linetype());
    if (layer == nullptr || linetype == nullptr) return Acad::eKeyNotFound;
    record.layer = layer->id;
    record.linetype = linetype->id;
    record.color = static_cast<short>(entity->colorIndex());
    record.visible = entity->visibility() == AcDb::kVisible;
    takeCurrentStyle(*database, record.geometry);
    vexa::sim::db::ObjectId made = 0;
    if (database->addEntity(std::move(record), &made) != vexa::sim::db::Refusal::None) return Acad::eInvalidInput;
    id = database->objectId(made);
    database->beginOpen(made, AcDb::kForWrite);
    AcDbObjectAccess::markOpen(*entity, id, AcDb::kForWrite);
    return Acad::eOk;
}

void AcDbPolyline::addVertexAt(unsigned int index, double x, double y) {
    if (checkWritable() != Acad::eOk) return;
    const auto at = std::min<std::size_t>(index, vertices_.size());
    vertices_.insert(vertices_.begin() + static_cast<std::ptrdiff_t>(at), AcGePoint3d(x, y, 0.0));
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const {
    if (index >= vertices_.size()) return Acad::eInvalidInput;
    point = vertices_[index];
    return Acad::eOk;
}
