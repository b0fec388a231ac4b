// A write lock on the current document for as long as the object lives.
#pragma once

#include "acad/acdocman.h"

namespace vexa::frame {

class DocumentWriteLock {
public:
    // Write lock, no command names, with prompting.
    DocumentWriteLock();
    ~DocumentWriteLock();
    DocumentWriteLock(const DocumentWriteLock&) = delete;
    DocumentWriteLock& operator=(const DocumentWriteLock&) = delete;

    // Whether the host granted the lock.
    bool held() const { return document_ != nullptr; }

private:
    AcApDocument* document_ = nullptr;
};

}  // namespace vexa::frame
