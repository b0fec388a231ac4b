// The product's call-back commands as a hostile product would write them: each answers with
// whatever the fuzzer put in line for it, an error, or nothing.
#pragma once

#include <string>

#include "sim/host.h"

namespace vexa::fuzz {

// The style function a caller may name; it takes one integer like the others the callers name.
inline constexpr const wchar_t* kCallerNamedFunction = L"C:Vexa-fuzz-settings";

// Defines the call-backs and the driver's variables in the current drawing.
void defineHostileProduct(sim::Host& host);
// Sets the answers the next call-backs give, in order (an expression of a list).
void lineUpAnswers(sim::Host& host, const std::wstring& answersExpression);

}  // namespace vexa::fuzz
