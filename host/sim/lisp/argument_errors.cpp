#include "lisp/argument_errors.h"

#include <string>

#include "lisp/printer.h"

namespace vexa::sim::lisp {

void throwBadArgumentType(std::wstring_view predicate, const ValuePtr& value) {
    // AutoLISP puts a colon after the numeric predicates and the point check only.
    const bool colon = predicate == L"numberp" || predicate == L"fixnump" || predicate == L"2D/3D point";
    std::wstring message = L"bad argument type: ";
    message += predicate;
    message += colon ? L": " : L" ";
    message += print(value, true);
    throw LispError(std::move(message));
}

void throwBadArgumentValue(std::wstring_view what, const ValuePtr& value) {
    std::wstring message = L"bad argument value: ";
    message += what;
    message += L" ";
    message += print(value, true);
    throw LispError(std::move(message));
}

void throwTooFewArguments() { throw LispError(L"too few arguments"); }
void throwTooManyArguments() { throw LispError(L"too many arguments"); }

}  // namespace vexa::sim::lisp
