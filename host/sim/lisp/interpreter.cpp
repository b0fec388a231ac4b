#include "lisp/interpreter.h"

#include <algorithm>
#include <cwctype>
#include <utility>

#include "lisp/builtins.h"
#include "lisp/dynamic_binding.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/core_forms.h"
#include "lisp/stack_guard.h"

namespace vexa::sim::lisp {

// Nested evaluate/apply calls allowed before the evaluation fails; the native stack
// is checked as well, since frame sizes vary between builds and threads.
constexpr int kMaxEvaluationDepth = 20000;

class EvaluationDepthGuard {
public:
    explicit EvaluationDepthGuard(Interpreter& interpreter) : depth_(interpreter.depth_) {
        if (depth_ >= kMaxEvaluationDepth || stackNearlyExhausted()) {
            throw LispError(L"internal stack limit reached (simulated)");
        }
        ++depth_;
    }
    ~EvaluationDepthGuard() { --depth_; }
    EvaluationDepthGuard(const EvaluationDepthGuard&) = delete;
    EvaluationDepthGuard& operator=(const EvaluationDepthGuard&) = delete;

private:
    int& depth_;
};

namespace {

bool isFunctionValue(const ValuePtr& v) {
    return isKind(v, ValueKind::Subr) || isKind(v, ValueKind::UserFunction);
}

bool isLambdaList(const ValuePtr& v) { return isCons(v) && isSymbolNamed(v->cons().car, L"LAMBDA"); }

bool isUppercase(std::wstring_view name) {
    return std::none_of(name.begin(), name.end(), [](wchar_t c) { return std::iswlower(static_cast<wint_t>(c)); });
}

[[noreturn]] void throwNoFunction(const std::wstring& upperName) {
    throw LispError(L"no function definition: " + upperName);
}

[[noreturn]] void throwBadFunction(const ValuePtr& value) {
    throw LispError(L"bad function: " + print(value, true));
}

}  // namespace

Interpreter::Interpreter() {
    symbols_.emplace(L"T", trueValue());
    registerControlBuiltins(*this);
    registerPredicateBuiltins(*this);
    registerListBuiltins(*this);
    registerMathBuiltins(*this);
    registerStringBuiltins(*this);
    registerOutputBuiltins(*this);
    registerLoadBuiltin(*this);
}

ValuePtr Interpreter::evaluate(const ValuePtr& form) {
    if (!form) {
        return nullptr;
    }
    switch (form->kind()) {
        case ValueKind::Symbol: {
            const auto it = symbols_.find(form->symbolName());
            return it == symbols_.end() ? nullptr : it->second;
        }
        case ValueKind::Cons: {
            EvaluationDepthGuard guard(*this);
            return evaluateCall(*form);
        }
        default: return form;
    }
}

ValuePtr Interpreter::evaluateCall(const Value& form) {
    const ValuePtr& head = form.cons().car;
    ValuePtr function;
    if (isKind(head, ValueKind::Symbol)) {
        if (const SpecialForm special = findSpecialForm(head->symbolName())) {
            return special(*this, form.cons().cdr);
        }
        function = lookupFunction(head->symbolName());
    } else if (isCons(head)) {
        function = evaluate(head);
        if (!isFunctionValue(function) && !isLambdaList(function)) {
            throwBadFunction(function);
        }
    } else {
        throwBadFunction(head);
    }
    std::vector<ValuePtr> args = listToVector(form.cons().cdr);
    for (ValuePtr& arg : args) {
        arg = evaluate(arg);
    }
    return apply(function, args);
}

ValuePtr Interpreter::lookupFunction(const std::wstring& upperName) const {
    const auto it = symbols_.find(upperName);
    if (it == symbols_.end() || !(isFunctionValue(it->second) || isLambdaList(it->second))) {
        throwNoFunction(upperName);
    }
    return it->second;
}

ValuePtr Interpreter::apply(const ValuePtr& function, const std::vector<ValuePtr>& args) {
    EvaluationDepthGuard guard(*this);
    if (!function) {
        throwBadFunction(function);
    }
    switch (function->kind()) {
        case ValueKind::Subr: return function->subr().fn(*this, args);
        case ValueKind::UserFunction: return applyUserFunction(function->userFunction(), args);
        case ValueKind::Symbol: return apply(lookupFunction(function->symbolName()), args);
        case ValueKind::Cons:
            if (isLambdaList(function)) {
                const ValuePtr lambda = makeUserFunction(L"", function->cons().cdr);
                return applyUserFunction(lambda->userFunction(), args);
            }
            throwBadFunction(function);
        default: throwBadFunction(function);
    }
}

ValuePtr Interpreter::applyUserFunction(const UserFunction& function, const std::vector<ValuePtr>& args) {
    if (args.size() < function.params.size()) {
        throw LispError(L"too few arguments");
    }
    if (args.size() > function.params.size()) {
        throw LispError(L"too many arguments");
    }
    DynamicBinding bindings(*this);
    for (std::size_t i = 0; i < args.size(); ++i) {
        bindings.bind(function.params[i], args[i]);
    }
    for (const std::wstring& local : function.locals) {
        bindings.bind(local, nullptr);
    }
    ValuePtr result;
    for (const Value* cell = function.body.get(); cell != nullptr; cell = cell->cons().cdr.get()) {
        result = evaluate(cell->cons().car);
    }
    return result;
}

ValuePtr Interpreter::evaluateText(std::wstring_view source) {
    Reader reader(source);
    ValuePtr result;
    while (auto form = reader.next()) {
        result = evaluate(*form);
    }
    return result;
}

ValuePtr Interpreter::call(std::wstring_view functionName, const std::vector<ValuePtr>& args) {
    return apply(lookupFunction(toUpper(functionName)), args);
}

bool Interpreter::isFunction(std::wstring_view name) const {
    const std::wstring upperName = toUpper(name);
    if (findSpecialForm(upperName) != nullptr) {
        return true;
    }
    const auto it = symbols_.find(upperName);
    return it != symbols_.end() && (isFunctionValue(it->second) || isLambdaList(it->second));
}

void Interpreter::defineExternal(std::wstring_view name, ExternalFunction fn) {
    defineBuiltin(name, [fn = std::move(fn)](Interpreter&, const Args& args) { return fn(args); });
}

void Interpreter::defineBuiltin(std::wstring_view name, BuiltinFn fn) {
    std::wstring upperName = toUpper(name);
    ValuePtr subr = std::make_shared<Value>(Subr{upperName, std::move(fn)});
    symbols_.insert_or_assign(std::move(upperName), std::move(subr));
}

void Interpreter::undefine(std::wstring_view name) { symbols_.erase(toUpper(name)); }

ValuePtr Interpreter::symbolValue(std::wstring_view name) const {
    const auto it = isUppercase(name) ? symbols_.find(name) : symbols_.find(toUpper(name));
    return it == symbols_.end() ? nullptr : it->second;
}

void Interpreter::setSymbolValue(std::wstring_view name, ValuePtr value) {
    auto it = isUppercase(name) ? symbols_.find(name) : symbols_.find(toUpper(name));
    if (it != symbols_.end()) {
        it->second = std::move(value);
    } else {
        symbols_.emplace(toUpper(name), std::move(value));
    }
}

void Interpreter::setOutput(OutputSink sink) { output_ = std::move(sink); }

void Interpreter::write(std::wstring_view text) {
    if (output_) {
        output_(text);
    }
}

}  // namespace vexa::sim::lisp
