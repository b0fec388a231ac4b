// The block table and its records: model space, where plug-ins append the entities they make.
#pragma once

#include "acad/dbmain.h"

#define ACDB_MODEL_SPACE L"*Model_Space"

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    AcDbBlockTableRecord() = default;
    // Adds an entity made with new: on success it belongs to the database, is open for write
    // and gets its id; on failure it stays the caller's.
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
};

class AcDbBlockTable : public AcDbSymbolTable {
public:
    AcDbBlockTable() = default;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode) const;
    using AcDbSymbolTable::getAt;
};
