#pragma once

#include <string>
#include <string_view>

#include "lisp/value.h"

namespace vexa::sim::lisp {

// A form whose operands are passed unevaluated (setq, if, defun, ...).
using SpecialForm = ValuePtr (*)(Interpreter&, const ValuePtr& operands);

// nullptr when the uppercase name is not a special form.
SpecialForm findSpecialForm(std::wstring_view upperName);

// Builds a function from "(params body...)", params being "(a b / local1 local2)".
ValuePtr makeUserFunction(std::wstring name, const ValuePtr& paramsAndBody);

}  // namespace vexa::sim::lisp
