#include "sim/win/kernel32/kernel_handles.h"

namespace vexa::sim::win {

HANDLE KernelHandles::open(std::unique_ptr<KernelObject> object) {
    // Multiples of four, as Windows hands them out; never null nor INVALID_HANDLE_VALUE.
    next_ += 4;
    const HANDLE handle = reinterpret_cast<HANDLE>(next_);
    objects_.emplace(handle, std::move(object));
    return handle;
}

bool KernelHandles::close(HANDLE handle) { return objects_.erase(handle) == 1; }

KernelObject* KernelHandles::find(HANDLE handle) const {
    const auto it = objects_.find(handle);
    return it != objects_.end() ? it->second.get() : nullptr;
}

}  // namespace vexa::sim::win
