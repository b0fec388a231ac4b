#include "db/lisp_dictionary_functions.h"

#include <memory>

#include "db/dxf_records.h"
#include "db/lisp_table_functions.h"
#include "lisp/arguments.h"

namespace vexa::sim::db {

namespace {

using lisp::Args;
using lisp::makeCons;
using lisp::makeInteger;
using lisp::makeString;
using lisp::ValueKind;
using lisp::ValuePtr;

ValuePtr group(int code, ValuePtr value) { return makeCons(makeInteger(code), std::move(value)); }

std::vector<ValuePtr> header(const Database& database, ObjectId id, const wchar_t* type) {
    std::vector<ValuePtr> items{group(-1, lisp::makeEntityName(id)), group(0, makeString(type)),
                                group(5, makeString(Database::handleOf(id)))};
    if (const ObjectId owner = database.ownerOf(id); owner != kNullId) items.push_back(group(330, lisp::makeEntityName(owner)));
    return items;
}

// A material from an entmakex list: group 1 the name, 140 the opacity fraction (default 1.0).
std::optional<Material> materialFromDxf(const DxfGroups& dxf) {
    const ValuePtr* name = dxf.find(1);
    if (name == nullptr || !lisp::isKind(*name, ValueKind::String) || !isValidSymbolName((*name)->string())) return std::nullopt;
    Material material;
    material.name = (*name)->string();
    if (const ValuePtr* opacity = dxf.find(140)) {
        if (!lisp::isNumber(*opacity)) return std::nullopt;
        material.opacity = lisp::isKind(*opacity, ValueKind::Integer) ? (*opacity)->integer() : (*opacity)->real();
        if (!(material.opacity >= 0.0 && material.opacity <= 1.0)) return std::nullopt;
    }
    return material;
}

ObjectId dictionaryArg(const Database& database, const Args& args) {
    const ObjectId id = entityArg(args, 0);
    if (database.findDictionary(id) == nullptr) lisp::throwBadArgumentType(L"lentityp", args[0]);
    return id;
}

}  // namespace

ValuePtr namedObjectToDxf(const Database& database, ObjectId id) {
    if (const Dictionary* dictionary = database.findDictionary(id)) {
        std::vector<ValuePtr> items = header(database, id, L"DICTIONARY");
        items.push_back(group(100, makeString(L"AcDbDictionary")));
        items.push_back(group(281, makeInteger(1)));
        for (const auto& [name, entry] : dictionary->entries) {
            items.push_back(group(3, makeString(name)));
            items.push_back(group(350, lisp::makeEntityName(entry)));
        }
        return lisp::makeList(items);
    }
    if (const Material* material = database.findMaterial(id)) {
        std::vector<ValuePtr> items = header(database, id, L"MATERIAL");
        items.push_back(group(100, makeString(L"AcDbMaterial")));
        items.push_back(group(1, makeString(material->name)));
        items.push_back(group(140, lisp::makeReal(material->opacity)));
        return lisp::makeList(items);
    }
    return nullptr;
}

void defineDictionaryFunctions(lisp::Interpreter& lisp, Database& database) {
    lisp.defineExternal(L"namedobjdict", [](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 0, 0);
        return lisp::makeEntityName(Database::kNamedObjectsId);
    });
    lisp.defineExternal(L"dictsearch", [&database](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 2, 3);
        const ObjectId dictionary = dictionaryArg(database, args);
        const ObjectId found = database.lookUp(dictionary, lisp::stringArg(args, 1));
        if (found == kNullId) return nullptr;
        if (ValuePtr named = namedObjectToDxf(database, found)) return named;
        const Entity* entity = database.findEntity(found);
        return entity ? entityToDxf(database, *entity) : nullptr;
    });
    lisp.defineExternal(L"dictadd", [&database](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 3, 3);
        const ObjectId dictionary = dictionaryArg(database, args);
        const std::wstring& name = lisp::stringArg(args, 1);
        const ObjectId object = entityArg(args, 2);
        return database.addToDictionary(dictionary, name, object) == Refusal::None ? args[2] : nullptr;
    });
    // Only objects that live in dictionaries are made here; entities are entmake's.
    lisp.defineExternal(L"entmakex", [&database](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 0, 1);
        const ValuePtr list = lisp::optionalArg(args, 0);
        if (!lisp::isList(list)) lisp::throwBadArgumentType(L"listp", list);
        const std::optional<DxfGroups> dxf = DxfGroups::read(list);
        if (!dxf || !dxf->has(0) || !lisp::isKind(*dxf->find(0), ValueKind::String)) return nullptr;
        if (upperCase((*dxf->find(0))->string()) != L"MATERIAL") return nullptr;
        const std::optional<Material> material = materialFromDxf(*dxf);
        return material ? lisp::makeEntityName(database.addMaterial(*material)) : nullptr;
    });
}

}  // namespace vexa::sim::db
