// Database objects of the host: ids, open and close, entities and the layer and linetype tables.
#pragma once

#include <string>
#include <vector>

#include "acad/adscodes.h"
#include "acad/dbgeometry.h"
#include "acad/dbhandle.h"
#include "acad/rxobject.h"

namespace AcDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1 };
enum Visibility { kVisible = 0, kInvisible = 1 };
}

namespace Acad {
enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNullObjectId = 5,
    eInvalidInput = 3,
    eNotOpenForWrite = 57,
    eWasErased = 72,
    eKeyNotFound = 85,
    eDuplicateRecordName = 86,
    eOutOfMemory = 21,
    eInvalidAdsName = 92,
    eWasOpenForRead = 81,
    eWasOpenForWrite = 82,
    eWasNotOpenForWrite = 84,
    eUnknownHandle = 126,
    eBadLayerName = 287,
    eCannotBeErasedByCaller = 318,
    // A document lock the host refused.
    eLockViolation = 321,
};
}

class AcDbDatabase;
class AcDbBlockTable;

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    AcDbObjectId(AcDbDatabase* database, Adesk_Int64 serial) : database_(database), serial_(serial) {}
    static const AcDbObjectId kNull;

    bool isNull() const { return serial_ == 0; }
    AcDbDatabase* database() const { return database_; }
    Adesk_Int64 asOldId() const { return serial_; }
    bool operator==(const AcDbObjectId&) const = default;

private:
    AcDbDatabase* database_ = nullptr;
    Adesk_Int64 serial_ = 0;
};

// An object opened from the database is a copy that close() writes back (when open for
// write) and deletes; after close() the pointer must not be used again.
class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_CAST(AcDbObject)
    AcDbObject& operator=(const AcDbObject&) = delete;

    AcDbObjectId objectId() const { return id_; }
    AcDbDatabase* database() const { return id_.database(); }
    // The handle the object has in its drawing; null for an object outside any database.
    void getAcDbHandle(AcDbHandle& handle) const;
    bool isReadEnabled() const { return mode_ != AcDb::kNotOpen; }
    bool isWriteEnabled() const { return mode_ == AcDb::kForWrite; }
    Acad::ErrorStatus upgradeOpen();
    Acad::ErrorStatus close();
    // Marks the object erased (or, with false, brought back); it takes effect at close.
    Acad::ErrorStatus erase(bool erasing = true);
    bool isErased() const { return erased_; }

protected:
    AcDbObject() = default;
    // A copy is outside any database and not open (clone()).
    AcDbObject(const AcDbObject&) : AcRxObject() {}
    Acad::ErrorStatus checkWritable() const { return isWriteEnabled() || id_.isNull() ? Acad::eOk : Acad::eNotOpenForWrite; }

private:
    friend class AcDbObjectAccess;  // the host's side of open and close
    AcDbObjectId id_;
    AcDb::OpenMode mode_ = AcDb::kNotOpen;
    bool erased_ = false;
};

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_CAST(AcDbEntity)
    const ACHAR* layer() const { return layer_.c_str(); }
    AcDbObjectId layerId() const;
    Acad::ErrorStatus setLayer(const ACHAR* layerName);
    Adesk_Int32 colorIndex() const { return colorIndex_; }
    Acad::ErrorStatus setColorIndex(Adesk_Int32 color);
    const ACHAR* linetype() const { return linetype_.c_str(); }
    // doSubents: also for the entity's sub-entities (the host's entities here have none of their own).
    Acad::ErrorStatus setLinetype(const ACHAR* linetypeName, bool doSubents = true);
    // An invisible entity is not drawn, picked or selected, whatever its layer says.
    Acad::ErrorStatus setVisibility(AcDb::Visibility visibility, bool doSubents = true);
    AcDb::Visibility visibility() const { return visibility_; }
    // The drawing shows the entity highlighted until unhighlight(); calls need not pair.
    Acad::ErrorStatus highlight() const;
    Acad::ErrorStatus unhighlight() const;

protected:
    AcDbEntity() = default;

private:
    std::wstring layer_ = L"0";
    Adesk_Int32 colorIndex_ = 256;
    std::wstring linetype_ = L"BYLAYER";
    AcDb::Visibility visibility_ = AcDb::kVisible;
};

class AcDbLine : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbLine)
    AcDbLine() = default;
    AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : start_(start), end_(end) {}
    AcGePoint3d startPoint() const { return start_; }
    AcGePoint3d endPoint() const { return end_; }
    Acad::ErrorStatus setStartPoint(const AcGePoint3d& point);
    Acad::ErrorStatus setEndPoint(const AcGePoint3d& point);

private:
    AcGePoint3d start_;
    AcGePoint3d end_;
};

class AcDbCircle : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbCircle)
    AcDbCircle() = default;
    AcDbCircle(const AcGePoint3d& center, double radius) : center_(center), radius_(radius) {}
    AcGePoint3d center() const { return center_; }
    double radius() const { return radius_; }
    Acad::ErrorStatus setCenter(const AcGePoint3d& center);
    Acad::ErrorStatus setRadius(double radius);

private:
    AcGePoint3d center_;
    double radius_ = 1.0;
};

class AcDbSymbolTableRecord : public AcDbObject {
public:
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    Acad::ErrorStatus setName(const ACHAR* name);

protected:
    AcDbSymbolTableRecord() = default;

private:
    std::wstring name_;
};

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    AcDbLayerTableRecord() = default;
    Adesk_Int32 colorIndex() const { return colorIndex_; }
    Acad::ErrorStatus setColorIndex(Adesk_Int32 color);
    AcDbObjectId linetypeObjectId() const { return linetype_; }
    Acad::ErrorStatus setLinetypeObjectId(const AcDbObjectId& linetype);
    bool isOff() const { return off_; }
    void setIsOff(bool off);
    bool isFrozen() const { return frozen_; }
    void setIsFrozen(bool frozen);
    bool isLocked() const { return locked_; }
    void setIsLocked(bool locked);

private:
    Adesk_Int32 colorIndex_ = 7;
    AcDbObjectId linetype_;
    bool off_ = false;
    bool frozen_ = false;
    bool locked_ = false;
};

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
public:
    AcDbLinetypeTableRecord() = default;
    const ACHAR* comments() const { return comments_.c_str(); }
    int numDashes() const { return static_cast<int>(dashes_.size()); }
    double dashLengthAt(int index) const;
    double patternLength() const;

private:
    friend class AcDbObjectAccess;
    std::wstring comments_;
    std::vector<double> dashes_;
};

// Walks a table's record ids in table order, as they were when the iterator was made.
class AcDbSymbolTableIterator {
public:
    void start() { position_ = 0; }
    bool done() const { return position_ >= ids_.size(); }
    void step() { ++position_; }
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;

protected:
    explicit AcDbSymbolTableIterator(std::vector<AcDbObjectId> ids) : ids_(std::move(ids)) {}

private:
    std::vector<AcDbObjectId> ids_;
    std::size_t position_ = 0;
};

class AcDbLayerTableIterator : public AcDbSymbolTableIterator {
public:
    explicit AcDbLayerTableIterator(std::vector<AcDbObjectId> ids) : AcDbSymbolTableIterator(std::move(ids)) {}
    Acad::ErrorStatus getRecord(AcDbLayerTableRecord*& record, AcDb::OpenMode mode) const;
};

class AcDbLinetypeTableIterator : public AcDbSymbolTableIterator {
public:
    explicit AcDbLinetypeTableIterator(std::vector<AcDbObjectId> ids) : AcDbSymbolTableIterator(std::move(ids)) {}
    Acad::ErrorStatus getRecord(AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode) const;
};

class AcDbSymbolTable : public AcDbObject {
public:
    bool has(const ACHAR* name) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id) const;

protected:
    AcDbSymbolTable() = default;
};

class AcDbLayerTable : public AcDbSymbolTable {
public:
    AcDbLayerTable() = default;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode) const;
    using AcDbSymbolTable::getAt;
    // Adds a record made with new; on success the record is open for write and belongs to the database.
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbLayerTableRecord* record);
    // The caller deletes the iterator.
    Acad::ErrorStatus newIterator(AcDbLayerTableIterator*& iterator) const;
};

class AcDbLinetypeTable : public AcDbSymbolTable {
public:
    AcDbLinetypeTable() = default;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode) const;
    using AcDbSymbolTable::getAt;
    Acad::ErrorStatus newIterator(AcDbLinetypeTableIterator*& iterator) const;
};

class AcDbDictionary;
class AcDbDimStyleTable;

class AcDbDatabase {
public:
    virtual ~AcDbDatabase() = default;
    AcDbObjectId namedObjectsDictionaryId() const;
    // The dictionary of render materials ("ACAD_MATERIAL" in the named object dictionary).
    AcDbObjectId materialDictionaryId() const;
    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);
    Acad::ErrorStatus getMaterialDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);
    AcDbObjectId layerTableId() const;
    AcDbObjectId linetypeTableId() const;
    // The current layer (system variable CLAYER).
    AcDbObjectId clayer() const;
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode);
    // The dimension style table (acad/dbdimstyle.h) and the current style (DIMSTYLE).
    AcDbObjectId dimStyleTableId() const;
    AcDbObjectId dimstyle() const;
    Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode);
    // Declared with the block records in acad/dbblocks.h.
    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
};

class AcDbHostApplicationServices {
public:
    virtual ~AcDbHostApplicationServices() = default;
    virtual AcDbDatabase* workingDatabase() const = 0;
};
AcDbHostApplicationServices* acdbHostApplicationServices();

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);

// Typed open: fails with eInvalidInput (and opens nothing) when the object is of another class.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    AcDbObject* opened = nullptr;
    const Acad::ErrorStatus status = acdbOpenObject(opened, id, mode, openErased);
    object = nullptr;
    if (status != Acad::eOk) return status;
    object = dynamic_cast<T*>(opened);
    if (object == nullptr) {
        opened->close();
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
Acad::ErrorStatus acdbGetAdsName(ads_name name, AcDbObjectId id);
