#include "db/arx_dim_styles.h"

#include "db/object_access.h"
#include "db/table_iterators.h"

using vexa::sim::db::Database;

namespace vexa::sim::db {

AcDbObject* newDimStyleObject(const Database& database, ObjectId id) {
    if (id == Database::kDimStyleTableId) return new AcDbDimStyleTable;
    const DimStyle* style = database.dimStyles().findById(id);
    if (style == nullptr) return nullptr;
    auto* record = new AcDbDimStyleTableRecord;
    record->setName(style->name.c_str());
    AcDbObjectAccess::fillDimStyle(*record, *style);
    return record;
}

}  // namespace vexa::sim::db

Acad::ErrorStatus AcDbDimStyleTableIterator::getRecord(AcDbDimStyleTableRecord*& record, AcDb::OpenMode mode) const {
    AcDbObjectId id;
    if (const Acad::ErrorStatus status = getRecordId(id); status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode);
}

Acad::ErrorStatus AcDbDimStyleTable::getAt(const ACHAR* name, AcDbDimStyleTableRecord*& record,
                                           AcDb::OpenMode mode) const {
    record = nullptr;
    AcDbObjectId id;
    if (const Acad::ErrorStatus status = getAt(name, id); status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode);
}

Acad::ErrorStatus AcDbDimStyleTable::newIterator(AcDbDimStyleTableIterator*& iterator) const {
    return vexa::sim::db::newTableIterator(objectId(), &Database::dimStyles, iterator);
}

AcDbObjectId AcDbDatabase::dimStyleTableId() const {
    return {const_cast<AcDbDatabase*>(this), Database::kDimStyleTableId};
}

AcDbObjectId AcDbDatabase::dimstyle() const {
    return {const_cast<AcDbDatabase*>(this), static_cast<const Database*>(this)->currentDimStyle().id};
}

Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode) {
    return acdbOpenObject(table, dimStyleTableId(), mode);
}
