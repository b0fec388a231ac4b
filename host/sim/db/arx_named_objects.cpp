#include "db/arx_named_objects.h"

#include <cmath>

#include "sim/host.h"

using vexa::sim::db::Database;

namespace {

Database* simDatabase(const AcDbObjectId& id) { return static_cast<Database*>(id.database()); }

}  // namespace

namespace vexa::sim::db {

AcDbObject* newNamedObject(const Database& database, ObjectId id) {
    if (database.findDictionary(id) != nullptr) return new AcDbDictionary;
    const Material* material = database.findMaterial(id);
    if (material == nullptr) return nullptr;
    auto* object = new AcDbMaterial;
    object->setName(material->name.c_str());
    object->setOpacity(material->opacity, AcGiMaterialMap());
    return object;
}

bool writeBackNamedObject(Database& database, ObjectId id, const AcDbObject& object) {
    const auto* material = dynamic_cast<const AcDbMaterial*>(&object);
    if (material == nullptr) return false;
    Material changed = *database.findMaterial(id);
    changed.name = material->name();
    AcGiMaterialMap map;
    material->opacity(changed.opacity, map);
    database.updateMaterial(changed);
    return true;
}

}  // namespace vexa::sim::db

bool AcDbDictionary::has(const ACHAR* name) const {
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* name, AcDbObjectId& id) const {
    const Database* database = simDatabase(objectId());
    if (database == nullptr || name == nullptr) return Acad::eInvalidInput;
    const vexa::sim::db::ObjectId found = database->lookUp(objectId().asOldId(), name);
    if (found == vexa::sim::db::kNullId) return Acad::eKeyNotFound;
    id = AcDbObjectId(objectId().database(), found);
    return Acad::eOk;
}

std::uint32_t AcDbDictionary::numEntries() const {
    const Database* database = simDatabase(objectId());
    const vexa::sim::db::Dictionary* dictionary = database ? database->findDictionary(objectId().asOldId()) : nullptr;
    return dictionary ? static_cast<std::uint32_t>(dictionary->entries.size()) : 0;
}

Acad::ErrorStatus AcDbMaterial::setName(const ACHAR* name) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (name == nullptr || !vexa::sim::db::isValidSymbolName(name)) return Acad::eInvalidInput;
    name_ = name;
    return Acad::eOk;
}

void AcDbMaterial::opacity(double& percentage, AcGiMaterialMap& map) const {
    percentage = opacity_;
    map = opacityMap_;
}

Acad::ErrorStatus AcDbMaterial::setOpacity(double percentage, const AcGiMaterialMap& map) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!(percentage >= 0.0 && percentage <= 1.0)) return Acad::eInvalidInput;
    opacity_ = percentage;
    opacityMap_ = map;
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::namedObjectsDictionaryId() const {
    return {const_cast<AcDbDatabase*>(this), Database::kNamedObjectsId};
}

AcDbObjectId AcDbDatabase::materialDictionaryId() const {
    return {const_cast<AcDbDatabase*>(this), Database::kMaterialDictionaryId};
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode) {
    return acdbOpenObject(dictionary, namedObjectsDictionaryId(), mode);
}

Acad::ErrorStatus AcDbDatabase::getMaterialDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode) {
    return acdbOpenObject(dictionary, materialDictionaryId(), mode);
}
