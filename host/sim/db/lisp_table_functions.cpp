#include "db/lisp_table_functions.h"

#include <memory>

#include "db/dxf_records.h"
#include "db/lisp_dictionary_functions.h"
#include "lisp/arguments.h"

namespace vexa::sim::db {

namespace {

using lisp::Args;
using lisp::ValueKind;
using lisp::ValuePtr;

enum class Table { Layer, Linetype };

std::optional<Table> tableNamed(std::wstring_view name) {
    const std::wstring upper = upperCase(name);
    if (upper == L"LAYER") return Table::Layer;
    if (upper == L"LTYPE") return Table::Linetype;
    return std::nullopt;
}

// Where tblnext goes on in each table: the id it answered last (ids keep table order).
struct TableCursors {
    ObjectId layer = kNullId;
    ObjectId linetype = kNullId;
    ObjectId& of(Table table) { return table == Table::Layer ? layer : linetype; }
};

class TableFunctions {
public:
    TableFunctions(Database& database, const SystemVariables& variables) : database_(database), variables_(variables) {}

    ValuePtr tblsearch(const Args& args) {
        lisp::requireArgCount(args, 2, 3);
        const std::optional<Table> table = tableNamed(lisp::stringArg(args, 0));
        const std::wstring& name = lisp::stringArg(args, 1);
        if (!table) return nullptr;
        const ObjectId found = findRecord(*table, name);
        if (found == kNullId) return nullptr;
        if (lisp::optionalArg(args, 2)) cursors_.of(*table) = found;
        return tableRecord(*table, found, false);
    }

    ValuePtr tblnext(const Args& args) {
        lisp::requireArgCount(args, 1, 2);
        const std::optional<Table> table = tableNamed(lisp::stringArg(args, 0));
        if (!table) return nullptr;
        ObjectId& cursor = cursors_.of(*table);
        if (lisp::optionalArg(args, 1)) cursor = kNullId;
        const ObjectId next = *table == Table::Layer ? idOf(database_.layers().after(cursor))
                                                     : idOf(database_.linetypes().after(cursor));
        if (next == kNullId) return nullptr;
        cursor = next;
        return tableRecord(*table, next, false);
    }

    ValuePtr tblobjname(const Args& args) {
        lisp::requireArgCount(args, 2, 2);
        const std::optional<Table> table = tableNamed(lisp::stringArg(args, 0));
        const std::wstring& name = lisp::stringArg(args, 1);
        const ObjectId found = table ? findRecord(*table, name) : kNullId;
        return found == kNullId ? nullptr : lisp::makeEntityName(found);
    }

    ValuePtr entget(const Args& args) {
        lisp::requireArgCount(args, 1, 2);
        const ObjectId id = entityArg(args, 0);
        if (ValuePtr named = namedObjectToDxf(database_, id)) return named;
        if (database_.layers().findById(id) != nullptr) return tableRecord(Table::Layer, id, true);
        if (database_.linetypes().findById(id) != nullptr) return tableRecord(Table::Linetype, id, true);
        const Entity* entity = database_.findEntity(id);
        return entity == nullptr || entity->erased ? nullptr : entityToDxf(database_, *entity, asksForAcad(args));
    }

    ValuePtr entmake(const Args& args) {
        lisp::requireArgCount(args, 0, 1);
        const ValuePtr list = lisp::optionalArg(args, 0);
        if (!lisp::isList(list)) lisp::throwBadArgumentType(L"listp", list);
        const std::optional<DxfGroups> dxf = DxfGroups::read(list);
        if (!dxf || !dxf->has(0) || !lisp::isKind(*dxf->find(0), ValueKind::String)) return nullptr;
        const std::wstring type = upperCase((*dxf->find(0))->string());
        const bool made = type == L"LAYER" ? makeLayer(*dxf) : makeEntity(type, *dxf);
        return made ? list : nullptr;
    }

    ValuePtr entmod(const Args& args) {
        lisp::requireArgCount(args, 1, 1);
        const ValuePtr list = args[0];
        if (!lisp::isList(list)) lisp::throwBadArgumentType(L"listp", list);
        const std::optional<DxfGroups> dxf = DxfGroups::read(list);
        if (!dxf || !dxf->has(-1) || !lisp::isKind(*dxf->find(-1), ValueKind::EntityName)) return nullptr;
        const ObjectId id = (*dxf->find(-1))->entityId();
        if (const Layer* layer = database_.layers().findById(id)) {
            const std::optional<Layer> changed = layerFromDxf(database_, *dxf, *layer);
            return changed && database_.updateLayer(*changed) == Refusal::None ? list : nullptr;
        }
        const Entity* entity = database_.findEntity(id);
        if (entity == nullptr || entity->erased || !sameType(*dxf, *entity)) return nullptr;
        const std::optional<Entity> changed = entityFromDxf(database_, *dxf, *entity);
        return changed && database_.updateEntity(*changed) == Refusal::None ? list : nullptr;
    }

    // An entity is erased or, called again, brought back; a layer record is purged when unused.
    ValuePtr entdel(const Args& args) {
        lisp::requireArgCount(args, 1, 1);
        const ObjectId id = entityArg(args, 0);
        if (database_.layers().findById(id) != nullptr) {
            return database_.purgeLayer(id, currentLayer()) == Refusal::None ? args[0] : nullptr;
        }
        const Entity* entity = database_.findEntity(id);
        if (entity == nullptr) return nullptr;
        Entity toggled = *entity;
        toggled.erased = !toggled.erased;
        return database_.updateEntity(toggled) == Refusal::None ? args[0] : nullptr;
    }

    ValuePtr entlast(const Args& args) {
        lisp::requireArgCount(args, 0, 0);
        return nameOf(database_.lastEntity());
    }

    ValuePtr entnext(const Args& args) {
        lisp::requireArgCount(args, 0, 1);
        if (args.empty() || !args[0]) return nameOf(database_.firstEntity());
        return nameOf(database_.entityAfter(entityArg(args, 0)));
    }

    // The entity of a handle (hexadecimal, as entget's group 5 gives it); nil when none has it.
    ValuePtr handent(const Args& args) {
        lisp::requireArgCount(args, 1, 1);
        const std::wstring& handle = lisp::stringArg(args, 0);
        if (handle.empty() || handle.size() > 16 || handle.find_first_not_of(L"0123456789abcdefABCDEF") != std::wstring::npos)
            return nullptr;
        const ObjectId id = static_cast<ObjectId>(std::stoull(handle, nullptr, 16));
        const Entity* entity = database_.findEntity(id);
        return entity != nullptr && !entity->erased ? nameOf(entity) : nullptr;
    }

private:
    template <class Record>
    static ObjectId idOf(const Record* record) {
        return record == nullptr ? kNullId : record->id;
    }

    // Whether entget's application list names "ACAD" (or "*", every application).
    static bool asksForAcad(const Args& args) {
        for (ValuePtr rest = lisp::optionalArg(args, 1); lisp::isCons(rest); rest = rest->cons().cdr) {
            const ValuePtr& name = rest->cons().car;
            if (!lisp::isKind(name, ValueKind::String)) continue;
            const std::wstring upper = upperCase(name->string());
            if (upper == L"ACAD" || upper == L"*") return true;
        }
        return false;
    }

    static ValuePtr nameOf(const Entity* entity) { return entity ? lisp::makeEntityName(entity->id) : nullptr; }

    static bool sameType(const DxfGroups& dxf, const Entity& entity) {
        const ValuePtr* type = dxf.find(0);
        return type == nullptr ||
               (lisp::isKind(*type, ValueKind::String) && upperCase((*type)->string()) == entityTypeName(entity.geometry));
    }

    ObjectId findRecord(Table table, std::wstring_view name) const {
        return table == Table::Layer ? idOf(database_.layers().find(name)) : idOf(database_.linetypes().find(name));
    }

    ValuePtr tableRecord(Table table, ObjectId id, bool asEntget) const {
        if (table == Table::Layer) return layerToDxf(database_, *database_.layers().findById(id), asEntget);
        return linetypeToDxf(*database_.linetypes().findById(id), asEntget);
    }

    std::wstring currentLayer() const {
        const std::optional<VariableValue> value = variables_.get(L"CLAYER");
        const std::wstring* name = value ? std::get_if<std::wstring>(&*value) : nullptr;
        return name ? *name : L"0";
    }

    bool makeLayer(const DxfGroups& dxf) {
        if (!dxf.has(2)) return false;
        Layer defaults{kNullId, L"", 7, std::nullopt, database_.continuous().id};
        const std::optional<Layer> layer = layerFromDxf(database_, dxf, std::move(defaults));
        return layer && database_.addLayer(*layer) == Refusal::None;
    }

    bool makeEntity(std::wstring_view type, const DxfGroups& dxf) {
        std::optional<Entity> entity = newEntityOfType(database_, type, currentLayer());
        if (!entity || !hasEntityGroupsFor(dxf, *entity)) return false;
        entity = entityFromDxf(database_, dxf, std::move(*entity));
        return entity && database_.addEntity(std::move(*entity)) == Refusal::None;
    }

    Database& database_;
    const SystemVariables& variables_;
    TableCursors cursors_;
};

}  // namespace

ObjectId entityArg(const Args& args, std::size_t index) {
    if (index >= args.size() || !lisp::isKind(args[index], ValueKind::EntityName)) {
        lisp::throwBadArgumentType(L"lentityp", lisp::optionalArg(args, index));
    }
    return args[index]->entityId();
}

void defineTableFunctions(lisp::Interpreter& lisp, Database& database, const SystemVariables& variables) {
    auto functions = std::make_shared<TableFunctions>(database, variables);
    using Member = ValuePtr (TableFunctions::*)(const Args&);
    const std::pair<const wchar_t*, Member> table[] = {
        {L"tblsearch", &TableFunctions::tblsearch}, {L"tblnext", &TableFunctions::tblnext},
        {L"tblobjname", &TableFunctions::tblobjname}, {L"entget", &TableFunctions::entget},
        {L"entmake", &TableFunctions::entmake},     {L"entmod", &TableFunctions::entmod},
        {L"entdel", &TableFunctions::entdel},       {L"entlast", &TableFunctions::entlast},
        {L"entnext", &TableFunctions::entnext},     {L"handent", &TableFunctions::handent},
    };
    for (const auto& [name, member] : table) {
        lisp.defineExternal(name, [functions, member](const Args& args) { return ((*functions).*member)(args); });
    }
}

}  // namespace vexa::sim::db
