// The host's side of database objects: an open object is a copy of its record, written back at close.
#include <cmath>

#include "acad/dbblocks.h"
#include "acad/dbmain.h"
#include "db/arx_dim_styles.h"
#include "db/arx_text_objects.h"
#include "db/arx_named_objects.h"
#include "db/database.h"
#include "db/entity_objects.h"
#include "db/object_access.h"
#include "db/table_iterators.h"
#include "sim/fault_points.h"
#include "sim/host.h"

using vexa::sim::db::Database;
using vexa::sim::db::Entity;
using vexa::sim::db::Layer;
using vexa::sim::db::ObjectId;
using vexa::sim::db::Point3;
using vexa::sim::db::Refusal;

const AcDbObjectId AcDbObjectId::kNull;

namespace {

Database* simDatabase(const AcDbObjectId& id) { return static_cast<Database*>(id.database()); }


std::wstring recordName(const AcDbSymbolTableRecord& record) {
    const ACHAR* name = nullptr;
    record.getName(name);
    return name;
}

AcDbObject* newLayerRecord(Database& database, const Layer& layer) {
    auto* record = new AcDbLayerTableRecord;
    record->setName(layer.name.c_str());
    record->setColorIndex(layer.colorIndex);
    record->setLinetypeObjectId(database.objectId(layer.linetype));
    record->setIsOff(layer.off);
    record->setIsFrozen(layer.frozen);
    record->setIsLocked(layer.locked);
    return record;
}

// A fresh object holding a copy of the record with the id; null when there is none.
AcDbObject* newObjectFor(Database& database, ObjectId id) {
    if (id == Database::kLayerTableId) return new AcDbLayerTable;
    if (id == Database::kLinetypeTableId) return new AcDbLinetypeTable;
    if (id == Database::kBlockTableId) return new AcDbBlockTable;
    if (id == Database::kModelSpaceId) {
        auto* record = new AcDbBlockTableRecord;
        record->setName(ACDB_MODEL_SPACE);
        return record;
    }
    if (const Layer* layer = database.layers().findById(id)) return newLayerRecord(database, *layer);
    if (const auto* linetype = database.linetypes().findById(id)) {
        auto* record = new AcDbLinetypeTableRecord;
        record->setName(linetype->name.c_str());
        AcDbObjectAccess::fillLinetype(*record, *linetype);
        return record;
    }
    if (const Entity* entity = database.findEntity(id)) return vexa::sim::db::newEntityObject(database, *entity);
    if (AcDbObject* style = vexa::sim::db::newDimStyleObject(database, id)) return style;
    return vexa::sim::db::newNamedObject(database, id);
}

void writeBackLayer(Database& database, ObjectId id, const AcDbLayerTableRecord& record) {
    Layer layer = *database.layers().findById(id);
    const short index = static_cast<short>(record.colorIndex());
    if (index != layer.colorIndex) layer.trueColor.reset();
    layer.name = recordName(record);
    layer.colorIndex = index;
    layer.linetype = record.linetypeObjectId().asOldId();
    layer.off = record.isOff();
    layer.frozen = record.isFrozen();
    layer.locked = record.isLocked();
    database.updateLayer(layer);
}

void writeBackEntity(Database& database, ObjectId id, const AcDbEntity& object) {
    Entity entity = *database.findEntity(id);
    entity.layer = database.layers().find(object.layer())->id;
    entity.color = static_cast<short>(object.colorIndex());
    entity.linetype = database.linetypes().find(object.linetype())->id;
    entity.visible = object.visibility() == AcDb::kVisible;
    entity.erased = object.isErased();
    vexa::sim::db::readGeometryOf(object, entity.geometry);
    database.updateEntity(entity);
}

// Setters have checked every value against the database, so the write-back cannot be refused.
void writeBack(Database& database, ObjectId id, const AcDbObject& object) {
    if (const auto* layer = dynamic_cast<const AcDbLayerTableRecord*>(&object)) writeBackLayer(database, id, *layer);
    else if (const auto* linetype = dynamic_cast<const AcDbLinetypeTableRecord*>(&object))
        database.renameLinetype(id, recordName(*linetype));
    else if (const auto* entity = dynamic_cast<const AcDbEntity*>(&object)) writeBackEntity(database, id, *entity);
    else vexa::sim::db::writeBackNamedObject(database, id, object);
}

Database* workingSimDatabase() {
    vexa::sim::Host* host = vexa::sim::Host::current();
    vexa::sim::Document* document = host ? host->documents().current() : nullptr;
    return document ? &document->database() : nullptr;
}

// The record of a table by name, opened as the caller's class.
template <class Record>
Acad::ErrorStatus openByName(const AcDbSymbolTable& table, const ACHAR* name, Record*& record, AcDb::OpenMode mode) {
    record = nullptr;
    AcDbObjectId id;
    if (const Acad::ErrorStatus status = table.getAt(name, id); status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode);
}

}  // namespace

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    if (id_.isNull() || mode_ == AcDb::kNotOpen) return Acad::eInvalidInput;
    if (mode_ == AcDb::kForWrite) return Acad::eOk;
    const Acad::ErrorStatus status = simDatabase(id_)->upgradeOpen(id_.asOldId());
    if (status == Acad::eOk) mode_ = AcDb::kForWrite;
    return status;
}

Acad::ErrorStatus AcDbObject::close() {
    if (id_.isNull()) {
        // An object that never joined a database is simply deleted, as the host does.
        delete this;
        return Acad::eOk;
    }
    Database* database = simDatabase(id_);
    if (mode_ == AcDb::kForWrite) writeBack(*database, id_.asOldId(), *this);
    database->endOpen(id_.asOldId(), mode_);
    delete this;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
    if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
    erased_ = erasing;
    return Acad::eOk;
}

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const {
    handle = AcDbHandle(static_cast<std::uint64_t>(id_.asOldId()));
}

AcDbObjectId AcDbEntity::layerId() const {
    Database* database = simDatabase(objectId());
    const Layer* layer = database ? database->layers().find(layer_) : nullptr;
    return layer ? database->objectId(layer->id) : AcDbObjectId::kNull;
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* layerName) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (layerName == nullptr) return Acad::eInvalidInput;
    const Database* database = simDatabase(objectId());
    if (database != nullptr && !database->layers().contains(layerName)) return Acad::eKeyNotFound;
    layer_ = layerName;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk_Int32 color) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (color < 0 || color > 256) return Acad::eInvalidInput;
    colorIndex_ = color;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* linetypeName, bool) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (linetypeName == nullptr) return Acad::eInvalidInput;
    const Database* database = simDatabase(objectId());
    if (database != nullptr && !database->linetypes().contains(linetypeName)) return Acad::eKeyNotFound;
    linetype_ = linetypeName;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility visibility, bool) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (visibility != AcDb::kVisible && visibility != AcDb::kInvisible) return Acad::eInvalidInput;
    visibility_ = visibility;
    return Acad::eOk;
}

// The drawing's highlight follows at once, open or not: the host's highlight is not a change of
// the entity, so it needs no write access and no close.
Acad::ErrorStatus AcDbEntity::highlight() const {
    if (Database* database = simDatabase(objectId())) database->setHighlighted(objectId().asOldId(), true);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::unhighlight() const {
    if (Database* database = simDatabase(objectId())) database->setHighlighted(objectId().asOldId(), false);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    start_ = point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    end_ = point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    center_ = center;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
    radius_ = radius;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& name) const {
    name = name_.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (name == nullptr || !vexa::sim::db::isValidSymbolName(name)) return Acad::eInvalidInput;
    if (const Database* database = simDatabase(objectId())) {
        const auto* layer = database->layers().find(name);
        const auto* linetype = database->linetypes().find(name);
        const bool isLayer = database->layers().findById(objectId().asOldId()) != nullptr;
        const ObjectId holder = isLayer ? (layer ? layer->id : 0) : (linetype ? linetype->id : 0);
        if (holder != 0 && holder != objectId().asOldId()) return Acad::eDuplicateRecordName;
        if (isLayer && objectId().asOldId() == database->layerZero().id && name_ != name) return Acad::eInvalidInput;
    }
    name_ = name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setColorIndex(Adesk_Int32 color) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (color < 1 || color > 255) return Acad::eInvalidInput;
    colorIndex_ = color;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(const AcDbObjectId& linetype) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    const Database* database = simDatabase(linetype);
    const auto* record = database ? database->linetypes().findById(linetype.asOldId()) : nullptr;
    if (record == nullptr || (!objectId().isNull() && linetype.database() != database)) return Acad::eInvalidInput;
    linetype_ = linetype;
    return Acad::eOk;
}

void AcDbLayerTableRecord::setIsOff(bool off) {
    if (checkWritable() == Acad::eOk) off_ = off;
}

void AcDbLayerTableRecord::setIsFrozen(bool frozen) {
    if (checkWritable() == Acad::eOk) frozen_ = frozen;
}

void AcDbLayerTableRecord::setIsLocked(bool locked) {
    if (checkWritable() == Acad::eOk) locked_ = locked;
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
    return index >= 0 && index < numDashes() ? dashes_[static_cast<std::size_t>(index)] : 0.0;
}

double AcDbLinetypeTableRecord::patternLength() const {
    double length = 0.0;
    for (double dash : dashes_) length += std::abs(dash);
    return length;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
    if (done()) return Acad::eInvalidInput;
    id = ids_[position_];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableIterator::getRecord(AcDbLayerTableRecord*& record, AcDb::OpenMode mode) const {
    AcDbObjectId id;
    if (const Acad::ErrorStatus status = getRecordId(id); status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode);
}

Acad::ErrorStatus AcDbLinetypeTableIterator::getRecord(AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode) const {
    AcDbObjectId id;
    if (const Acad::ErrorStatus status = getRecordId(id); status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode);
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbObjectId& id) const {
    const Database* database = simDatabase(objectId());
    if (database == nullptr || name == nullptr) return Acad::eInvalidInput;
    const ObjectId table = objectId().asOldId();
    ObjectId found = 0;
    if (table == Database::kBlockTableId) {
        if (vexa::sim::upperCase(name) == L"*MODEL_SPACE") found = Database::kModelSpaceId;
    } else if (table == Database::kLayerTableId) {
        if (const Layer* layer = database->layers().find(name)) found = layer->id;
    } else if (table == Database::kDimStyleTableId) {
        if (const auto* style = database->dimStyles().find(name)) found = style->id;
    } else if (const auto* linetype = database->linetypes().find(name)) {
        found = linetype->id;
    }
    if (found == 0) return Acad::eKeyNotFound;
    id = AcDbObjectId(objectId().database(), found);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTable::getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode) const {
    return openByName(*this, name, record, mode);
}

Acad::ErrorStatus AcDbLayerTable::add(AcDbObjectId& id, AcDbLayerTableRecord* record) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk || objectId().isNull()) {
        return objectId().isNull() ? Acad::eInvalidInput : status;
    }
    if (record == nullptr || !record->objectId().isNull()) return Acad::eInvalidInput;
    Database* database = simDatabase(objectId());
    const AcDbObjectId linetype = record->linetypeObjectId();
    Layer layer{0, recordName(*record), static_cast<short>(record->colorIndex()), std::nullopt,
                linetype.isNull() ? database->continuous().id : linetype.asOldId()};
    layer.off = record->isOff();
    layer.frozen = record->isFrozen();
    layer.locked = record->isLocked();
    ObjectId made = 0;
    switch (database->addLayer(layer, &made)) {
        case Refusal::None: break;
        case Refusal::NameTaken: return Acad::eDuplicateRecordName;
        default: return Acad::eInvalidInput;
    }
    id = database->objectId(made);
    database->beginOpen(made, AcDb::kForWrite);
    AcDbObjectAccess::markOpen(*record, id, AcDb::kForWrite);
    if (linetype.isNull()) record->setLinetypeObjectId(database->objectId(database->continuous().id));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTable::newIterator(AcDbLayerTableIterator*& iterator) const {
    return vexa::sim::db::newTableIterator(objectId(), &Database::layers, iterator);
}

Acad::ErrorStatus AcDbLinetypeTable::getAt(const ACHAR* name, AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode) const {
    return openByName(*this, name, record, mode);
}

Acad::ErrorStatus AcDbLinetypeTable::newIterator(AcDbLinetypeTableIterator*& iterator) const {
    return vexa::sim::db::newTableIterator(objectId(), &Database::linetypes, iterator);
}

AcDbObjectId AcDbDatabase::layerTableId() const {
    return {const_cast<AcDbDatabase*>(this), Database::kLayerTableId};
}

AcDbObjectId AcDbDatabase::linetypeTableId() const {
    return {const_cast<AcDbDatabase*>(this), Database::kLinetypeTableId};
}

AcDbObjectId AcDbDatabase::clayer() const {
    const auto* database = static_cast<const Database*>(this);
    vexa::sim::Host* host = vexa::sim::Host::current();
    const auto value = host ? host->variable(L"CLAYER") : std::nullopt;
    const std::wstring* name = value ? std::get_if<std::wstring>(&*value) : nullptr;
    const Layer* layer = name ? database->layers().find(*name) : nullptr;
    return {const_cast<AcDbDatabase*>(this), layer ? layer->id : database->layerZero().id};
}

Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) {
    return acdbOpenObject(table, layerTableId(), mode);
}

Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode) {
    return acdbOpenObject(table, linetypeTableId(), mode);
}

namespace {

class HostApplicationServices : public AcDbHostApplicationServices {
public:
    AcDbDatabase* workingDatabase() const override { return workingSimDatabase(); }
};

}  // namespace

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static HostApplicationServices services;
    return &services;
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    object = nullptr;
    Database* database = simDatabase(id);
    if (id.isNull() || database == nullptr) return Acad::eNullObjectId;
    if (mode != AcDb::kForRead && mode != AcDb::kForWrite) return Acad::eInvalidInput;
    if (vexa::sim::serviceFails(L"acdbOpenObject")) return Acad::eWasOpenForWrite;
    const Entity* entity = database->findEntity(id.asOldId());
    if (entity != nullptr && entity->erased && !openErased) return Acad::eWasErased;
    if (const Acad::ErrorStatus status = database->beginOpen(id.asOldId(), mode); status != Acad::eOk) return status;
    object = newObjectFor(*database, id.asOldId());
    AcDbObjectAccess::markOpen(*object, id, mode);
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
    Database* database = workingSimDatabase();
    if (name == nullptr || database == nullptr || !database->exists(name[0]) || name[0] <= Database::kLinetypeTableId) {
        return Acad::eInvalidAdsName;
    }
    id = database->objectId(name[0]);
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetAdsName(ads_name name, AcDbObjectId id) {
    if (id.isNull() || name == nullptr) return Acad::eNullObjectId;
    name[0] = id.asOldId();
    name[1] = 0;
    return Acad::eOk;
}
