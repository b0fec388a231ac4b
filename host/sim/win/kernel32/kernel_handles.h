// The kernel objects a program holds by handle (processes it started, files it opened) until
// CloseHandle; what is still open after a call is a leak the audit reports.
#pragma once

#include <cstddef>
#include <map>
#include <memory>

#include "win/winbase.h"

namespace vexa::sim::win {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

class KernelHandles {
public:
    HANDLE open(std::unique_ptr<KernelObject> object);
    // False for a handle that is not open (already closed, or never one).
    bool close(HANDLE handle);
    KernelObject* find(HANDLE handle) const;
    std::size_t openCount() const { return objects_.size(); }

private:
    std::map<HANDLE, std::unique_ptr<KernelObject>> objects_;
    std::uintptr_t next_ = 0x40;
};

}  // namespace vexa::sim::win
