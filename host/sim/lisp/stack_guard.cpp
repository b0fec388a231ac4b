#include "lisp/stack_guard.h"

#include <pthread.h>

#include <cstddef>
#include <cstdint>

namespace vexa::sim::lisp {
namespace {

// Enough for one built-in to finish and an error to be thrown and unwound.
constexpr std::uintptr_t kHeadroomBytes = 256 * 1024;

// Lowest usable stack address of the calling thread, or 0 when it can't be determined.
std::uintptr_t queryStackLimit() {
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) {
        return 0;
    }
    void* base = nullptr;
    std::size_t size = 0;
    const bool known = pthread_attr_getstack(&attributes, &base, &size) == 0;
    pthread_attr_destroy(&attributes);
    return known ? reinterpret_cast<std::uintptr_t>(base) + kHeadroomBytes : 0;
}

}  // namespace

bool stackNearlyExhausted() {
    thread_local const std::uintptr_t limit = queryStackLimit();
    const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return frame < limit;
}

}  // namespace vexa::sim::lisp
