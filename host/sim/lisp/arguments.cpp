#include "lisp/arguments.h"

namespace vexa::sim::lisp {

void requireArgCount(const Args& args, std::size_t min, std::size_t max) {
    if (args.size() < min) {
        throwTooFewArguments();
    }
    if (args.size() > max) {
        throwTooManyArguments();
    }
}

std::int32_t integerArg(const Args& args, std::size_t index) {
    if (!isKind(args[index], ValueKind::Integer)) {
        throwBadArgumentType(L"fixnump", args[index]);
    }
    return args[index]->integer();
}

double numberArg(const Args& args, std::size_t index) {
    const ValuePtr& v = args[index];
    if (isKind(v, ValueKind::Integer)) {
        return v->integer();
    }
    if (isKind(v, ValueKind::Real)) {
        return v->real();
    }
    throwBadArgumentType(L"numberp", v);
}

const std::wstring& stringArg(const Args& args, std::size_t index) {
    if (!isKind(args[index], ValueKind::String)) {
        throwBadArgumentType(L"stringp", args[index]);
    }
    return args[index]->string();
}

const std::wstring& symbolArg(const Args& args, std::size_t index) {
    if (!isKind(args[index], ValueKind::Symbol)) {
        throwBadArgumentType(L"symbolp", args[index]);
    }
    return args[index]->symbolName();
}

ValuePtr listArg(const Args& args, std::size_t index) {
    if (!isList(args[index])) {
        throwBadArgumentType(L"listp", args[index]);
    }
    return args[index];
}

ValuePtr optionalArg(const Args& args, std::size_t index) { return index < args.size() ? args[index] : nullptr; }

}  // namespace vexa::sim::lisp
