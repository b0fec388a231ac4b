#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/equality.h"
#include "lisp/interpreter.h"

namespace vexa::sim::lisp {
namespace {

ValuePtr typeOf(const ValuePtr& v) {
    if (!v) {
        return nullptr;
    }
    switch (v->kind()) {
        case ValueKind::Integer: return makeSymbol(L"INT");
        case ValueKind::Real: return makeSymbol(L"REAL");
        case ValueKind::String: return makeSymbol(L"STR");
        case ValueKind::Symbol: return makeSymbol(L"SYM");
        case ValueKind::Cons: return makeSymbol(L"LIST");
        case ValueKind::EntityName: return makeSymbol(L"ENAME");
        case ValueKind::Subr: return makeSymbol(L"SUBR");
        case ValueKind::UserFunction: return makeSymbol(L"USUBR");
        case ValueKind::File: return makeSymbol(L"FILE");
    }
    return nullptr;
}

// Negative, zero or positive like strcmp; numbers compare numerically, strings by code point.
int compareOrdered(const Args& args, std::size_t left, std::size_t right) {
    const ValuePtr& a = args[left];
    const ValuePtr& b = args[right];
    if (isKind(a, ValueKind::String) && isKind(b, ValueKind::String)) {
        return a->string().compare(b->string());
    }
    const double x = numberArg(args, left);
    const double y = numberArg(args, right);
    return x < y ? -1 : (x > y ? 1 : 0);
}

bool sameForEquality(const Args& args, std::size_t left, std::size_t right) {
    const ValuePtr& a = args[left];
    const ValuePtr& b = args[right];
    const bool comparable = (isNumber(a) && isNumber(b)) ||
                            (isKind(a, ValueKind::String) && isKind(b, ValueKind::String));
    return comparable ? compareOrdered(args, left, right) == 0 : valuesEq(a, b);
}

// True when every successive pair of arguments satisfies the relation.
template <typename PairRelation>
ValuePtr holdsPairwise(const Args& args, PairRelation holds) {
    requireArgCount(args, 1, kAnyCount);
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (!holds(args, i, i + 1)) {
            return nullptr;
        }
    }
    return trueValue();
}

void defineOrdering(Interpreter& lisp, std::wstring_view name, bool (*accepts)(int order)) {
    lisp.defineBuiltin(name, [accepts](Interpreter&, const Args& args) {
        return holdsPairwise(args, [accepts](const Args& a, std::size_t l, std::size_t r) {
            return accepts(compareOrdered(a, l, r));
        });
    });
}

void defineUnaryPredicate(Interpreter& lisp, std::wstring_view name, bool (*predicate)(const ValuePtr&)) {
    lisp.defineBuiltin(name, [predicate](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return boolValue(predicate(args[0]));
    });
}

}  // namespace

void registerPredicateBuiltins(Interpreter& lisp) {
    defineUnaryPredicate(lisp, L"not", [](const ValuePtr& v) { return !v; });
    defineUnaryPredicate(lisp, L"null", [](const ValuePtr& v) { return !v; });
    defineUnaryPredicate(lisp, L"atom", [](const ValuePtr& v) { return !isCons(v); });
    defineUnaryPredicate(lisp, L"listp", isList);
    defineUnaryPredicate(lisp, L"vl-consp", isCons);
    defineUnaryPredicate(lisp, L"numberp", isNumber);
    lisp.defineBuiltin(L"boundp", [](Interpreter& in, const Args& args) {
        requireArgCount(args, 1, 1);
        return boolValue(args[0] && in.symbolValue(symbolArg(args, 0)) != nullptr);
    });
    lisp.defineBuiltin(L"type", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return typeOf(args[0]);
    });
    lisp.defineBuiltin(L"eq", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        return boolValue(valuesEq(args[0], args[1]));
    });
    lisp.defineBuiltin(L"equal", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 3);
        const double fuzz = args.size() == 3 ? numberArg(args, 2) : 0.0;
        return boolValue(valuesEqual(args[0], args[1], fuzz));
    });
    lisp.defineBuiltin(L"=", [](Interpreter&, const Args& args) { return holdsPairwise(args, sameForEquality); });
    lisp.defineBuiltin(L"/=", [](Interpreter&, const Args& args) {
        return holdsPairwise(args, [](const Args& a, std::size_t l, std::size_t r) { return !sameForEquality(a, l, r); });
    });
    defineOrdering(lisp, L"<", [](int order) { return order < 0; });
    defineOrdering(lisp, L">", [](int order) { return order > 0; });
    defineOrdering(lisp, L"<=", [](int order) { return order <= 0; });
    defineOrdering(lisp, L">=", [](int order) { return order >= 0; });
}

}  // namespace vexa::sim::lisp
