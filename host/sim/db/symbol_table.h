// A symbol table: records kept in creation order, found by name ignoring case.
#pragma once

#include <map>
#include <ranges>
#include <string>
#include <string_view>
#include <unordered_map>

#include "db/records.h"
#include "sim/system_variables.h"

namespace vexa::sim::db {

template <class Record>
class SymbolTable {
public:
    const Record* find(std::wstring_view name) const {
        const auto it = byName_.find(upperCase(name));
        return it == byName_.end() ? nullptr : &records_.at(it->second);
    }
    const Record* findById(ObjectId id) const {
        const auto it = records_.find(id);
        return it == records_.end() ? nullptr : &it->second;
    }
    bool contains(std::wstring_view name) const { return find(name) != nullptr; }

    // The caller has checked the name is free; ids must rise with each record added.
    const Record& add(Record record) {
        byName_.emplace(upperCase(record.name), record.id);
        const ObjectId id = record.id;
        return records_.emplace(id, std::move(record)).first->second;
    }
    // Replaces a record with the same id, re-indexing it when the name changed.
    void replace(const Record& changed) {
        Record& stored = records_.at(changed.id);
        if (upperCase(stored.name) != upperCase(changed.name)) {
            byName_.erase(upperCase(stored.name));
            byName_.emplace(upperCase(changed.name), changed.id);
        }
        stored = changed;
    }
    void erase(ObjectId id) {
        const auto it = records_.find(id);
        if (it == records_.end()) return;
        byName_.erase(upperCase(it->second.name));
        records_.erase(it);
    }

    // Table order, as tblnext walks it.
    const Record* first() const { return records_.empty() ? nullptr : &records_.begin()->second; }
    const Record* after(ObjectId id) const {
        const auto it = records_.upper_bound(id);
        return it == records_.end() ? nullptr : &it->second;
    }
    auto records() const { return std::views::values(records_); }
    std::size_t size() const { return records_.size(); }

private:
    std::map<ObjectId, Record> records_;
    std::unordered_map<std::wstring, ObjectId> byName_;  // upper-cased names
};

}  // namespace vexa::sim::db
