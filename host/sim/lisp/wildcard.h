#pragma once

#include <string_view>

namespace vexa::sim::lisp {

// AutoCAD wildcard matching as wcmatch does it: # digit, @ letter, . non-alphanumeric,
// * any run, ? any character, [..] / [~..] character sets with ranges, ` escape,
// ~ at the start of a pattern negates it, and commas separate alternative patterns.
bool wildcardMatch(std::wstring_view text, std::wstring_view patterns);

}  // namespace vexa::sim::lisp
