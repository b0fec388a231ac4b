// A new iterator over one of the database's symbol tables, as each table's newIterator makes it.
#pragma once

#include <vector>

#include "db/database.h"

namespace vexa::sim::db {

// `table` is the id of the open table object; the records are those that `records` returns.
template <class Iterator, class Record>
Acad::ErrorStatus newTableIterator(const AcDbObjectId& table, const SymbolTable<Record>& (Database::*records)() const,
                                   Iterator*& iterator) {
    const auto* database = static_cast<const Database*>(table.database());
    if (database == nullptr) return Acad::eInvalidInput;
    std::vector<AcDbObjectId> ids;
    for (const Record& record : (database->*records)().records()) ids.emplace_back(table.database(), record.id);
    iterator = new Iterator(std::move(ids));
    return Acad::eOk;
}

}  // namespace vexa::sim::db
