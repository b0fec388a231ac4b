#pragma once

#include <string>

#include "lisp/value.h"

namespace vexa::sim::lisp {

// prin1 == true: the form read can read back (strings quoted and escaped);
// prin1 == false: the princ form (strings verbatim).
std::wstring print(const ValuePtr& value, bool prin1);

// A real as AutoLISP prints it: 6 significant digits, always with a decimal point.
std::wstring formatReal(double value);

}  // namespace vexa::sim::lisp
