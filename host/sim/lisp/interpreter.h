#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lisp/lisp_error.h"
#include "lisp/value.h"

namespace vexa::sim::lisp {

// One AutoLISP environment (AutoCAD keeps one per drawing): a single namespace
// of symbols holding both variables and functions, with dynamic scoping.
class Interpreter {
public:
    using ExternalFunction = std::function<ValuePtr(const std::vector<ValuePtr>&)>;
    using OutputSink = std::function<void(std::wstring_view)>;

    Interpreter();

    ValuePtr evaluate(const ValuePtr& form);
    // Evaluates each top-level form in order and returns the last value; stops at the first error.
    ValuePtr evaluateText(std::wstring_view source);

    // Calls the function bound to a name with already-evaluated arguments.
    ValuePtr call(std::wstring_view functionName, const std::vector<ValuePtr>& args);
    // Applies a function value: a built-in, a user function, a symbol naming one, or a (LAMBDA ...) list.
    ValuePtr apply(const ValuePtr& function, const std::vector<ValuePtr>& args);
    bool isFunction(std::wstring_view name) const;

    void defineExternal(std::wstring_view name, ExternalFunction fn);
    void defineBuiltin(std::wstring_view name, BuiltinFn fn);
    void undefine(std::wstring_view name);

    ValuePtr symbolValue(std::wstring_view name) const;
    void setSymbolValue(std::wstring_view name, ValuePtr value);

    void setOutput(OutputSink sink);
    void write(std::wstring_view text);

private:
    friend class EvaluationDepthGuard;

    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view name) const noexcept {
            return std::hash<std::wstring_view>{}(name);
        }
    };
    using SymbolTable = std::unordered_map<std::wstring, ValuePtr, NameHash, std::equal_to<>>;

    ValuePtr evaluateCall(const Value& form);
    ValuePtr applyUserFunction(const UserFunction& function, const std::vector<ValuePtr>& args);
    ValuePtr lookupFunction(const std::wstring& upperName) const;

    SymbolTable symbols_;  // keys are uppercase
    OutputSink output_;
    int depth_ = 0;
};

}  // namespace vexa::sim::lisp
