// Conversion between AutoLISP values and result-buffer chains, as the host passes them.
#pragma once

#include <vector>

#include "acad/adscodes.h"
#include "lisp/value.h"
#include "sim/resbuf_ledger.h"

namespace vexa::sim {

// One chain holding each value in turn: lists wrapped in RTLB/RTLE, integers as RTSHORT
// when they fit 16 bits, lists of two or three reals as points.
HostChain chainFromValues(const std::vector<lisp::ValuePtr>& values);

// Reads a chain as the sequence of values it holds; malformed nesting ends the read.
std::vector<lisp::ValuePtr> valuesFromChain(const resbuf* chain);

// A result chain read as one value: a single node or a single list is that value.
lisp::ValuePtr valueFromResult(const resbuf* chain);

}  // namespace vexa::sim
