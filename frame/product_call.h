// Calls into the product's AutoLISP code by name.
#pragma once

#include <optional>

#include "frame/resbuf_chain.h"

namespace vexa::frame {

// The answer of a successful call; null when the function returned nil.
using ProductAnswer = ResbufChain;

enum class FailureLine { Printed, Silent };

// Calls `name` with the nodes of `arguments` (may be empty). On failure prints the failure
// line (unless the caller shows the failure itself) and gives nothing.
std::optional<ProductAnswer> callProduct(std::wstring_view name, const ListBuilder& arguments = ListBuilder(),
                                         FailureLine failureLine = FailureLine::Printed);

}  // namespace vexa::frame
