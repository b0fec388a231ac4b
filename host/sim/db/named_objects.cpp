// The drawing's dictionaries of named objects and the render materials they hold.
#include "db/database.h"

namespace vexa::sim::db {

const Dictionary* Database::findDictionary(ObjectId id) const {
    const auto it = dictionaries_.find(id);
    return it == dictionaries_.end() ? nullptr : &it->second;
}

const Material* Database::findMaterial(ObjectId id) const {
    const auto it = materials_.find(id);
    return it == materials_.end() ? nullptr : &it->second;
}

ObjectId Database::addMaterial(Material material) {
    material.id = nextId();
    const ObjectId id = material.id;
    materials_.emplace(id, std::move(material));
    return id;
}

Refusal Database::updateMaterial(const Material& changed) {
    const auto it = materials_.find(changed.id);
    if (it == materials_.end()) return Refusal::NotFound;
    if (!(changed.opacity >= 0.0 && changed.opacity <= 1.0)) return Refusal::BadValue;
    it->second = changed;
    return Refusal::None;
}

Refusal Database::addToDictionary(ObjectId dictionary, const std::wstring& name, ObjectId object) {
    const auto it = dictionaries_.find(dictionary);
    if (it == dictionaries_.end() || !exists(object)) return Refusal::NotFound;
    if (!isValidSymbolName(name)) return Refusal::BadName;
    if (lookUp(dictionary, name) != kNullId) return Refusal::NameTaken;
    if (owners_.contains(object) || object == kNamedObjectsId) return Refusal::InUse;
    it->second.entries.emplace_back(name, object);
    owners_[object] = dictionary;
    return Refusal::None;
}

ObjectId Database::lookUp(ObjectId dictionary, std::wstring_view name) const {
    const Dictionary* found = findDictionary(dictionary);
    if (found == nullptr) return kNullId;
    const std::wstring wanted = upperCase(name);
    for (const auto& [entry, id] : found->entries) {
        if (upperCase(entry) == wanted) return id;
    }
    return kNullId;
}

ObjectId Database::ownerOf(ObjectId object) const {
    const auto it = owners_.find(object);
    return it == owners_.end() ? kNullId : it->second;
}

}  // namespace vexa::sim::db
