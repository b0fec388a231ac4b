// Records of the database as AutoLISP's DXF association lists, and back.
#pragma once

#include <optional>
#include <vector>

#include "db/database.h"
#include "lisp/value.h"

namespace vexa::sim::db {

// A DXF list split into its groups; empty when the list is not a list of pairs with integer codes.
struct DxfGroups {
    std::vector<std::pair<int, lisp::ValuePtr>> groups;

    static std::optional<DxfGroups> read(const lisp::ValuePtr& list);
    // The first group with the code, or null when there is none.
    const lisp::ValuePtr* find(int code) const;
    bool has(int code) const { return find(code) != nullptr; }
};

// The table-record form tblsearch and tblnext answer; entget adds the name, handle and subclasses.
lisp::ValuePtr layerToDxf(const Database& database, const Layer& layer, bool asEntget);
lisp::ValuePtr linetypeToDxf(const Linetype& linetype, bool asEntget);
// withAcadXData: with the "ACAD" application's extended data (the dimension style overrides).
lisp::ValuePtr entityToDxf(const Database& database, const Entity& entity, bool withAcadXData = false);

// Applies the groups to a record; nothing when a group has a value of the wrong type or range.
// An unknown layer named by an entity is made, as entmake and entmod do in the host.
std::optional<Layer> layerFromDxf(const Database& database, const DxfGroups& dxf, Layer layer);
std::optional<Entity> entityFromDxf(Database& database, const DxfGroups& dxf, Entity entity);
// The record an entmake list asks for, before its groups apply: type from group 0.
std::optional<Entity> newEntityOfType(const Database& database, std::wstring_view type, std::wstring_view currentLayer);
// Whether an entmake list holds every group its entity type cannot be made without.
bool hasEntityGroupsFor(const DxfGroups& dxf, const Entity& entity);

}  // namespace vexa::sim::db
