#include "lisp/equality.h"

#include <cmath>
#include <utility>
#include <vector>

namespace vexa::sim::lisp {
namespace {

double numericValue(const Value& v) { return v.is(ValueKind::Integer) ? v.integer() : v.real(); }

bool isNumeric(const Value& v) { return v.is(ValueKind::Integer) || v.is(ValueKind::Real); }

bool atomsEq(const Value& a, const Value& b) {
    if (a.kind() != b.kind()) {
        return false;
    }
    switch (a.kind()) {
        case ValueKind::Symbol: return a.symbolName() == b.symbolName();
        case ValueKind::Integer: return a.integer() == b.integer();
        case ValueKind::EntityName: return a.entityId() == b.entityId();
        default: return false;
    }
}

}  // namespace

bool valuesEq(const ValuePtr& a, const ValuePtr& b) {
    if (a == b) {
        return true;
    }
    return a && b && atomsEq(*a, *b);
}

// Iterative so that deeply nested lists can't exhaust the stack.
bool valuesEqual(const ValuePtr& a, const ValuePtr& b, double fuzz) {
    std::vector<std::pair<const Value*, const Value*>> pending{{a.get(), b.get()}};
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (x == y) {
            continue;
        }
        if (x == nullptr || y == nullptr) {
            return false;
        }
        if (isNumeric(*x) && isNumeric(*y)) {
            if (x->is(ValueKind::Integer) && y->is(ValueKind::Integer) && fuzz == 0.0) {
                if (x->integer() != y->integer()) {
                    return false;
                }
            } else if (!(std::fabs(numericValue(*x) - numericValue(*y)) <= fuzz)) {
                return false;
            }
            continue;
        }
        if (x->kind() != y->kind()) {
            return false;
        }
        switch (x->kind()) {
            case ValueKind::String:
                if (x->string() != y->string()) {
                    return false;
                }
                break;
            case ValueKind::Cons:
                pending.emplace_back(x->cons().cdr.get(), y->cons().cdr.get());
                pending.emplace_back(x->cons().car.get(), y->cons().car.get());
                break;
            default:
                if (!atomsEq(*x, *y)) {
                    return false;
                }
        }
    }
    return true;
}

}  // namespace vexa::sim::lisp
