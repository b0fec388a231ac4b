#include <string>

#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/equality.h"
#include "lisp/interpreter.h"
#include "lisp/list_sort.h"

namespace vexa::sim::lisp {
namespace {

// car, cdr and their compositions: "cadr" applies the letters right to left (cdr, then car).
void defineCarCdrComposition(Interpreter& lisp, const std::wstring& name) {
    const std::wstring path = name.substr(1, name.size() - 2);
    lisp.defineBuiltin(name, [path](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        ValuePtr v = args[0];
        for (auto letter = path.rbegin(); letter != path.rend(); ++letter) {
            v = *letter == L'a' ? carOf(v) : cdrOf(v);
        }
        return v;
    });
}

ValuePtr lastOf(const ValuePtr& list) {
    const Value* cell = list.get();
    while (isCons(cell->cons().cdr)) {
        cell = cell->cons().cdr.get();
    }
    return cell->cons().car;
}

ValuePtr appendLists(const Args& args) {
    if (args.empty()) {
        return nullptr;
    }
    std::vector<ValuePtr> front;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::vector<ValuePtr> items = listToVector(args[i]);
        front.insert(front.end(), items.begin(), items.end());
    }
    return makeList(front, listArg(args, args.size() - 1));  // the last list is shared, not copied
}

// The tail of the list starting at the first element equal to item, or nil.
ValuePtr memberTail(const ValuePtr& item, const ValuePtr& list) {
    for (const ValuePtr* tail = &list; isCons(*tail); tail = &(*tail)->cons().cdr) {
        if (valuesEqual(item, (*tail)->cons().car)) {
            return *tail;
        }
    }
    return nullptr;
}

}  // namespace

void registerListBuiltins(Interpreter& lisp) {
    lisp.defineBuiltin(L"list", [](Interpreter&, const Args& args) { return makeList(args); });
    lisp.defineBuiltin(L"cons", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        return makeCons(args[0], args[1]);
    });
    for (const wchar_t* name : {L"car", L"cdr", L"caar", L"cadr", L"cdar", L"cddr", L"caaar", L"caadr", L"cadar",
                                L"caddr", L"cdaar", L"cdadr", L"cddar", L"cdddr", L"cadddr"}) {
        defineCarCdrComposition(lisp, name);
    }
    lisp.defineBuiltin(L"last", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return isCons(listArg(args, 0)) ? lastOf(args[0]) : nullptr;
    });
    lisp.defineBuiltin(L"nth", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        std::int32_t index = integerArg(args, 0);
        const Value* cell = listArg(args, 1).get();
        for (; index > 0 && cell != nullptr && cell->is(ValueKind::Cons); --index) {
            cell = cell->cons().cdr.get();
        }
        return index == 0 && cell != nullptr && cell->is(ValueKind::Cons) ? cell->cons().car : nullptr;
    });
    lisp.defineBuiltin(L"length", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return makeInteger(static_cast<std::int32_t>(listToVector(args[0]).size()));
    });
    lisp.defineBuiltin(L"append", [](Interpreter&, const Args& args) { return appendLists(args); });
    lisp.defineBuiltin(L"reverse", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        ValuePtr reversed;
        for (const ValuePtr& item : listToVector(args[0])) {
            reversed = makeCons(item, std::move(reversed));
        }
        return reversed;
    });
    lisp.defineBuiltin(L"assoc", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        for (const ValuePtr& entry : listToVector(args[1])) {
            if (isCons(entry) && valuesEqual(args[0], entry->cons().car)) {
                return entry;
            }
        }
        return ValuePtr();
    });
    lisp.defineBuiltin(L"member", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        return memberTail(args[0], listArg(args, 1));
    });
    // Like AutoLISP, only top-level elements are replaced (the usual use is on association lists).
    lisp.defineBuiltin(L"subst", [](Interpreter&, const Args& args) {
        requireArgCount(args, 3, 3);
        std::vector<ValuePtr> items = listToVector(args[2]);
        for (ValuePtr& item : items) {
            if (valuesEqual(item, args[1])) {
                item = args[0];
            }
        }
        return makeList(items);
    });
    lisp.defineBuiltin(L"vl-position", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        const std::vector<ValuePtr> items = listToVector(args[1]);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (valuesEqual(args[0], items[i])) {
                return makeInteger(static_cast<std::int32_t>(i));
            }
        }
        return ValuePtr();
    });
    lisp.defineBuiltin(L"vl-remove", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        std::vector<ValuePtr> kept;
        for (const ValuePtr& item : listToVector(args[1])) {
            if (!valuesEqual(args[0], item)) {
                kept.push_back(item);
            }
        }
        return makeList(kept);
    });
    lisp.defineBuiltin(L"vl-sort", [](Interpreter& in, const Args& args) {
        requireArgCount(args, 2, 2);
        std::vector<ValuePtr> items = listToVector(args[0]);
        const ValuePtr& predicate = args[1];
        sortWithPredicate(items, [&](const ValuePtr& a, const ValuePtr& b) { return in.apply(predicate, {a, b}) != nullptr; });
        // AutoLISP's vl-sort drops elements that are eq to their sorted neighbour (duplicate integers, symbols).
        std::vector<ValuePtr> distinct;
        for (ValuePtr& item : items) {
            if (distinct.empty() || !valuesEq(distinct.back(), item)) {
                distinct.push_back(std::move(item));
            }
        }
        return makeList(distinct);
    });
}

}  // namespace vexa::sim::lisp
