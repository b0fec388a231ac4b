#include "lisp/value.h"

#include <cwctype>

#include "lisp/argument_errors.h"

namespace vexa::sim::lisp {

// Releasing a long or deeply nested list recursively would overflow the stack,
// so children that only this value owns are unlinked and released one by one.
Value::~Value() {
    auto* cell = std::get_if<Cons>(&data_);
    const auto soleOwnedCons = [](const ValuePtr& v) { return v && v.use_count() == 1 && v->is(ValueKind::Cons); };
    if (cell == nullptr || (!soleOwnedCons(cell->car) && !soleOwnedCons(cell->cdr))) {
        return;  // nothing would be released recursively
    }
    std::vector<ValuePtr> pending;
    pending.push_back(std::move(cell->car));
    pending.push_back(std::move(cell->cdr));
    while (!pending.empty()) {
        ValuePtr next = std::move(pending.back());
        pending.pop_back();
        if (soleOwnedCons(next)) {
            // Sole owner of an object created non-const by make_shared: safe to strip.
            auto& child = const_cast<Cons&>(next->cons());
            pending.push_back(std::move(child.car));
            pending.push_back(std::move(child.cdr));
        }
    }
}

std::wstring toUpper(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result) {
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return result;
}

ValuePtr makeInteger(std::int32_t value) { return std::make_shared<Value>(value); }
ValuePtr makeReal(double value) { return std::make_shared<Value>(value); }
ValuePtr makeString(std::wstring value) { return std::make_shared<Value>(std::move(value)); }
ValuePtr makeSymbol(std::wstring_view name) { return std::make_shared<Value>(Symbol{toUpper(name)}); }
ValuePtr makeCons(ValuePtr car, ValuePtr cdr) {
    return std::make_shared<Value>(Cons{std::move(car), std::move(cdr)});
}
ValuePtr makeEntityName(std::int64_t id) { return std::make_shared<Value>(EntityName{id}); }

ValuePtr makeFile(std::shared_ptr<FileStream> stream) { return std::make_shared<Value>(File{std::move(stream)}); }

ValuePtr makeList(const std::vector<ValuePtr>& items, ValuePtr tail) {
    ValuePtr list = std::move(tail);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        list = makeCons(*it, std::move(list));
    }
    return list;
}

const ValuePtr& trueValue() {
    static const ValuePtr t = makeSymbol(L"T");
    return t;
}

ValuePtr boolValue(bool truth) { return truth ? trueValue() : nullptr; }

bool isKind(const ValuePtr& v, ValueKind kind) { return v && v->is(kind); }
bool isCons(const ValuePtr& v) { return isKind(v, ValueKind::Cons); }
bool isList(const ValuePtr& v) { return !v || v->is(ValueKind::Cons); }
bool isNumber(const ValuePtr& v) { return isKind(v, ValueKind::Integer) || isKind(v, ValueKind::Real); }
bool isSymbolNamed(const ValuePtr& v, std::wstring_view upperName) {
    return isKind(v, ValueKind::Symbol) && v->symbolName() == upperName;
}

std::vector<ValuePtr> listToVector(const ValuePtr& list) {
    std::vector<ValuePtr> items;
    const Value* cell = list.get();
    while (cell != nullptr && cell->is(ValueKind::Cons)) {
        items.push_back(cell->cons().car);
        cell = cell->cons().cdr.get();
    }
    if (cell != nullptr) {
        throwBadArgumentType(L"listp", list);
    }
    return items;
}

const ValuePtr& carOf(const ValuePtr& v) {
    static const ValuePtr nil;
    if (!v) {
        return nil;
    }
    if (!v->is(ValueKind::Cons)) {
        throwBadArgumentType(L"consp", v);
    }
    return v->cons().car;
}

const ValuePtr& cdrOf(const ValuePtr& v) {
    static const ValuePtr nil;
    if (!v) {
        return nil;
    }
    if (!v->is(ValueKind::Cons)) {
        throwBadArgumentType(L"consp", v);
    }
    return v->cons().cdr;
}

}  // namespace vexa::sim::lisp
