// The values of DXF association lists: groups made from records, and group values read back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "db/dxf_records.h"

namespace vexa::sim::db {

lisp::ValuePtr group(int code, lisp::ValuePtr value);
lisp::ValuePtr pointGroup(int code, const Point3& point, bool planar = false);

std::optional<std::wstring> stringOf(const lisp::ValuePtr& value);
std::optional<std::int32_t> integerOf(const lisp::ValuePtr& value);
// A finite number, integers included.
std::optional<double> realOf(const lisp::ValuePtr& value);
std::optional<double> positiveOf(const lisp::ValuePtr& value);
// (x y) or (x y z), numbers only.
std::optional<Point3> pointOf(const lisp::ValuePtr& value);

// Applies one group when present; false when present with a value the reader refuses.
template <class T, class Reader, class Store>
bool apply(const DxfGroups& dxf, int code, Reader read, Store store) {
    const lisp::ValuePtr* value = dxf.find(code);
    if (value == nullptr) return true;
    const std::optional<T> parsed = read(*value);
    if (!parsed) return false;
    return store(*parsed);
}

template <class Field>
auto storeInto(Field& field) {
    return [&field](const auto& value) {
        field = value;
        return true;
    };
}

}  // namespace vexa::sim::db
