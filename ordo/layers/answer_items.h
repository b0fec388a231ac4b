// The items of a product command's answer: the elements of the one list it returned.
#pragma once

#include <vector>

#include "frame/lisp_items.h"

namespace vexa::ordo {

// An answer that is a single list yields that list's elements; any other answer its own elements.
std::vector<frame::Element> answerItems(const resbuf* answer);

}  // namespace vexa::ordo
