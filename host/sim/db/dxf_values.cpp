#include "db/dxf_values.h"

#include <cmath>
#include <vector>

namespace vexa::sim::db {

using lisp::ValueKind;
using lisp::ValuePtr;

ValuePtr group(int code, ValuePtr value) { return lisp::makeCons(lisp::makeInteger(code), std::move(value)); }

ValuePtr pointGroup(int code, const Point3& point, bool planar) {
    std::vector<ValuePtr> coordinates{lisp::makeReal(point.x), lisp::makeReal(point.y)};
    if (!planar) coordinates.push_back(lisp::makeReal(point.z));
    return group(code, lisp::makeList(coordinates));
}

std::optional<std::wstring> stringOf(const ValuePtr& value) {
    if (!lisp::isKind(value, ValueKind::String)) return std::nullopt;
    return value->string();
}

std::optional<std::int32_t> integerOf(const ValuePtr& value) {
    if (!lisp::isKind(value, ValueKind::Integer)) return std::nullopt;
    return value->integer();
}

std::optional<double> realOf(const ValuePtr& value) {
    if (!lisp::isNumber(value)) return std::nullopt;
    const double real = lisp::isKind(value, ValueKind::Integer) ? value->integer() : value->real();
    return std::isfinite(real) ? std::optional<double>(real) : std::nullopt;
}

std::optional<double> positiveOf(const ValuePtr& value) {
    const std::optional<double> real = realOf(value);
    return real && *real > 0.0 ? real : std::nullopt;
}

std::optional<Point3> pointOf(const ValuePtr& value) {
    std::vector<double> coordinates;
    for (ValuePtr rest = value; rest; rest = rest->cons().cdr) {
        if (!lisp::isCons(rest) || coordinates.size() == 3) return std::nullopt;
        const std::optional<double> coordinate = realOf(rest->cons().car);
        if (!coordinate) return std::nullopt;
        coordinates.push_back(*coordinate);
    }
    if (coordinates.size() < 2) return std::nullopt;
    return Point3{coordinates[0], coordinates[1], coordinates.size() == 3 ? coordinates[2] : 0.0};
}

}  // namespace vexa::sim::db
