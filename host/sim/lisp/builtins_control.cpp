#include <algorithm>

#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/interpreter.h"

namespace vexa::sim::lisp {

void registerControlBuiltins(Interpreter& lisp) {
    lisp.defineBuiltin(L"eval", [](Interpreter& in, const Args& args) {
        requireArgCount(args, 1, 1);
        return in.evaluate(args[0]);
    });
    lisp.defineBuiltin(L"apply", [](Interpreter& in, const Args& args) {
        requireArgCount(args, 2, 2);
        return in.apply(args[0], listToVector(args[1]));
    });
    lisp.defineBuiltin(L"mapcar", [](Interpreter& in, const Args& args) {
        requireArgCount(args, 2, kAnyCount);
        std::vector<std::vector<ValuePtr>> lists;
        std::size_t shortest = std::numeric_limits<std::size_t>::max();
        for (std::size_t i = 1; i < args.size(); ++i) {
            lists.push_back(listToVector(args[i]));
            shortest = std::min(shortest, lists.back().size());
        }
        std::vector<ValuePtr> results;
        results.reserve(shortest);
        Args callArgs(lists.size());
        for (std::size_t row = 0; row < shortest; ++row) {
            for (std::size_t column = 0; column < lists.size(); ++column) {
                callArgs[column] = lists[column][row];
            }
            results.push_back(in.apply(args[0], callArgs));
        }
        return makeList(results);
    });
}

}  // namespace vexa::sim::lisp
