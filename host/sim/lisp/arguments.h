#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "lisp/argument_errors.h"
#include "lisp/value.h"

namespace vexa::sim::lisp {

constexpr std::size_t kAnyCount = std::numeric_limits<std::size_t>::max();

// Built-in argument checks; each throws the AutoLISP error for a misuse.
void requireArgCount(const Args& args, std::size_t min, std::size_t max);
std::int32_t integerArg(const Args& args, std::size_t index);
double numberArg(const Args& args, std::size_t index);
const std::wstring& stringArg(const Args& args, std::size_t index);
const std::wstring& symbolArg(const Args& args, std::size_t index);
ValuePtr listArg(const Args& args, std::size_t index);

// The optional argument at index, or nil when absent.
ValuePtr optionalArg(const Args& args, std::size_t index);

}  // namespace vexa::sim::lisp
