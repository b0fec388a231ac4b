#pragma once

#include "lisp/value.h"

namespace vexa::sim::lisp {

// AutoLISP eq: the same object, or atoms that are indistinguishable (symbols, integers, entity names).
bool valuesEq(const ValuePtr& a, const ValuePtr& b);

// AutoLISP equal: same structure; numbers may differ by at most fuzz.
bool valuesEqual(const ValuePtr& a, const ValuePtr& b, double fuzz = 0.0);

}  // namespace vexa::sim::lisp
