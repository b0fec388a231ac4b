#pragma once

#include <string_view>

#include "lisp/lisp_error.h"
#include "lisp/value.h"

namespace vexa::sim::lisp {

// "bad argument type: <predicate> <value>", worded exactly as AutoLISP words it.
[[noreturn]] void throwBadArgumentType(std::wstring_view predicate, const ValuePtr& value);
[[noreturn]] void throwBadArgumentValue(std::wstring_view what, const ValuePtr& value);
[[noreturn]] void throwTooFewArguments();
[[noreturn]] void throwTooManyArguments();

}  // namespace vexa::sim::lisp
