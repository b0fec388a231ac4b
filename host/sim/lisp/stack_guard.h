#pragma once

namespace vexa::sim::lisp {

// True when the calling thread is close to the end of its native stack. Recursive
// code checks this so that deep input fails with an AutoLISP error instead of crashing,
// whatever the thread's stack size and the build's frame sizes.
bool stackNearlyExhausted();

}  // namespace vexa::sim::lisp
