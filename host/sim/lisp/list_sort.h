#pragma once

#include <functional>
#include <vector>

#include "lisp/value.h"

namespace vexa::sim::lisp {

// Stable merge sort. Unlike std::sort it stays well-defined when a user predicate
// is not a strict weak ordering, and it lets the predicate throw.
void sortWithPredicate(std::vector<ValuePtr>& items, const std::function<bool(const ValuePtr&, const ValuePtr&)>& less);

}  // namespace vexa::sim::lisp
