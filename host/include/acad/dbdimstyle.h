// The drawing's dimension style table and its records, as far as the plug-ins read them.
#pragma once

#include "acad/dbmain.h"

class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
public:
    AcDbDimStyleTableRecord() = default;
    // The text height (DIMTXT) and the overall scale (DIMSCALE) of the style.
    double dimtxt() const { return textHeight_; }
    double dimscale() const { return scale_; }

private:
    friend class AcDbObjectAccess;
    double textHeight_ = 2.5;
    double scale_ = 1.0;
};

class AcDbDimStyleTableIterator : public AcDbSymbolTableIterator {
public:
    explicit AcDbDimStyleTableIterator(std::vector<AcDbObjectId> ids) : AcDbSymbolTableIterator(std::move(ids)) {}
    Acad::ErrorStatus getRecord(AcDbDimStyleTableRecord*& record, AcDb::OpenMode mode) const;
};

class AcDbDimStyleTable : public AcDbSymbolTable {
public:
    AcDbDimStyleTable() = default;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbDimStyleTableRecord*& record, AcDb::OpenMode mode) const;
    using AcDbSymbolTable::getAt;
    // The caller deletes the iterator.
    Acad::ErrorStatus newIterator(AcDbDimStyleTableIterator*& iterator) const;
};
