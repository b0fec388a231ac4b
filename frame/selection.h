// What the plug-ins' selection functions share: the object filter they pass on to the host's
// selection and the entity names they return.
#pragma once

#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::frame {

// A copy of the nodes inside a list argument, between its opening and closing markers, each
// with its type and value; none for an argument that is not a list (or an empty list), so that
// a string or a number never passes on the nodes that happen to follow it.
ResbufChain copySelectionFilter(const Element& argument);

// Returns the entity names of the set, in set order, as the function's result and frees the set.
void returnSelection(const ads_name set);

}  // namespace vexa::frame
