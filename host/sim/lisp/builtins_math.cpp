#include <cmath>
#include <numbers>

#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/interpreter.h"
#include "lisp/printer.h"

namespace vexa::sim::lisp {
namespace {

// An AutoLISP number; integer arithmetic wraps at 32 bits as in AutoCAD.
struct Number {
    bool isInteger;
    std::int64_t integer;  // meaningful when isInteger; wide so intermediate results can't overflow
    double real;

    double value() const { return isInteger ? static_cast<double>(integer) : real; }
};

std::int32_t wrap32(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

Number numberAt(const Args& args, std::size_t index) {
    if (isKind(args[index], ValueKind::Integer)) {
        return {true, args[index]->integer(), 0.0};
    }
    return {false, 0, numberArg(args, index)};
}

ValuePtr toValue(const Number& n) { return n.isInteger ? makeInteger(wrap32(n.integer)) : makeReal(n.real); }

Number integerResult(std::int64_t v) { return {true, wrap32(v), 0.0}; }
Number realResult(double v) { return {false, 0, v}; }

[[noreturn]] void throwDivideByZero() { throw LispError(L"divide by zero"); }

[[noreturn]] void throwUndefinedFor(const ValuePtr& argument) {
    throw LispError(L"function undefined for argument: " + print(argument, true));
}

using BinaryOp = Number (*)(const Number&, const Number&);

// (op) is 0, (op x) is x, otherwise a left fold: AutoLISP's rule for + * / min max rem.
ValuePtr foldNumbers(const Args& args, BinaryOp op) {
    if (args.empty()) {
        return makeInteger(0);
    }
    Number acc = numberAt(args, 0);
    for (std::size_t i = 1; i < args.size(); ++i) {
        acc = op(acc, numberAt(args, i));
    }
    return toValue(acc);
}

Number add(const Number& a, const Number& b) {
    return a.isInteger && b.isInteger ? integerResult(a.integer + b.integer) : realResult(a.value() + b.value());
}

Number subtract(const Number& a, const Number& b) {
    return a.isInteger && b.isInteger ? integerResult(a.integer - b.integer) : realResult(a.value() - b.value());
}

Number multiply(const Number& a, const Number& b) {
    return a.isInteger && b.isInteger ? integerResult(a.integer * b.integer) : realResult(a.value() * b.value());
}

Number divide(const Number& a, const Number& b) {
    if (b.value() == 0.0) {
        throwDivideByZero();
    }
    return a.isInteger && b.isInteger ? integerResult(a.integer / b.integer) : realResult(a.value() / b.value());
}

Number remainder(const Number& a, const Number& b) {
    if (b.value() == 0.0) {
        throwDivideByZero();
    }
    return a.isInteger && b.isInteger ? integerResult(a.integer % b.integer)
                                      : realResult(std::fmod(a.value(), b.value()));
}

Number minimum(const Number& a, const Number& b) {
    const bool integer = a.isInteger && b.isInteger;
    const Number& smaller = b.value() < a.value() ? b : a;
    return integer ? smaller : realResult(smaller.value());
}

Number maximum(const Number& a, const Number& b) {
    const bool integer = a.isInteger && b.isInteger;
    const Number& larger = b.value() > a.value() ? b : a;
    return integer ? larger : realResult(larger.value());
}

void defineFold(Interpreter& lisp, std::wstring_view name, BinaryOp op) {
    lisp.defineBuiltin(name, [op](Interpreter&, const Args& args) { return foldNumbers(args, op); });
}

// A one-argument function that maps an integer to an integer and a real to a real.
void defineUnary(Interpreter& lisp, std::wstring_view name, std::int64_t (*onInteger)(std::int64_t),
                 double (*onReal)(double)) {
    lisp.defineBuiltin(name, [onInteger, onReal](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        const Number n = numberAt(args, 0);
        return toValue(n.isInteger ? integerResult(onInteger(n.integer)) : realResult(onReal(n.real)));
    });
}

// A function of real arguments with a real result; domain errors are reported on the first argument.
void defineRealFunction(Interpreter& lisp, std::wstring_view name, std::size_t arity, double (*fn)(const Args&)) {
    lisp.defineBuiltin(name, [arity, fn](Interpreter&, const Args& args) {
        requireArgCount(args, arity, arity);
        const double result = fn(args);
        if (std::isnan(result)) {
            throwUndefinedFor(args[0]);
        }
        return makeReal(result);
    });
}

ValuePtr fix(const Args& args) {
    requireArgCount(args, 1, 1);
    const Number n = numberAt(args, 0);
    if (n.isInteger) {
        return args[0];
    }
    const double truncated = std::trunc(n.real);
    // Beyond the 32-bit range AutoLISP returns the truncated real.
    if (!(truncated >= -2147483648.0 && truncated <= 2147483647.0)) {
        return makeReal(truncated);
    }
    return makeInteger(static_cast<std::int32_t>(truncated));
}

}  // namespace

void registerMathBuiltins(Interpreter& lisp) {
    defineFold(lisp, L"+", add);
    defineFold(lisp, L"*", multiply);
    defineFold(lisp, L"/", divide);
    defineFold(lisp, L"rem", remainder);
    defineFold(lisp, L"min", minimum);
    defineFold(lisp, L"max", maximum);
    lisp.defineBuiltin(L"-", [](Interpreter&, const Args& args) {
        if (args.size() == 1) {
            return toValue(subtract(integerResult(0), numberAt(args, 0)));
        }
        return foldNumbers(args, subtract);
    });
    defineUnary(lisp, L"1+", [](std::int64_t v) { return v + 1; }, [](double v) { return v + 1.0; });
    defineUnary(lisp, L"1-", [](std::int64_t v) { return v - 1; }, [](double v) { return v - 1.0; });
    defineUnary(lisp, L"abs", [](std::int64_t v) { return v < 0 ? -v : v; }, [](double v) { return std::fabs(v); });
    lisp.defineBuiltin(L"fix", [](Interpreter&, const Args& args) { return fix(args); });
    lisp.defineBuiltin(L"float", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return makeReal(numberArg(args, 0));
    });
    defineRealFunction(lisp, L"sqrt", 1, [](const Args& a) { return std::sqrt(numberArg(a, 0)); });
    defineRealFunction(lisp, L"sin", 1, [](const Args& a) { return std::sin(numberArg(a, 0)); });
    defineRealFunction(lisp, L"cos", 1, [](const Args& a) { return std::cos(numberArg(a, 0)); });
    defineRealFunction(lisp, L"exp", 1, [](const Args& a) { return std::exp(numberArg(a, 0)); });
    defineRealFunction(lisp, L"log", 1, [](const Args& a) {
        const double x = numberArg(a, 0);
        return x > 0.0 ? std::log(x) : std::nan("");
    });
    lisp.defineBuiltin(L"atan", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 2);
        return makeReal(args.size() == 1 ? std::atan(numberArg(args, 0))
                                         : std::atan2(numberArg(args, 0), numberArg(args, 1)));
    });
    lisp.defineBuiltin(L"expt", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        const Number base = numberAt(args, 0);
        const Number power = numberAt(args, 1);
        if (base.isInteger && power.isInteger && power.integer >= 0) {
            // Unsigned square-and-multiply: wraps like AutoLISP integers, never UB.
            std::uint32_t result = 1;
            std::uint32_t factor = static_cast<std::uint32_t>(base.integer);
            for (std::int64_t p = power.integer; p > 0; p >>= 1) {
                if ((p & 1) != 0) {
                    result *= factor;
                }
                factor *= factor;
            }
            return makeInteger(static_cast<std::int32_t>(result));
        }
        return makeReal(std::pow(base.value(), power.value()));
    });
    lisp.defineBuiltin(L"zerop", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return boolValue(numberArg(args, 0) == 0.0);
    });
    lisp.defineBuiltin(L"minusp", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return boolValue(numberArg(args, 0) < 0.0);
    });
    lisp.setSymbolValue(L"PI", makeReal(std::numbers::pi));
}

}  // namespace vexa::sim::lisp
