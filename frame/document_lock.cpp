#include "frame/document_lock.h"

namespace vexa::frame {

DocumentWriteLock::DocumentWriteLock() {
    if (acDocManager == nullptr) return;
    AcApDocument* document = curDoc();
    if (document != nullptr && acDocManager->lockDocument(document, AcAp::kWrite, nullptr, nullptr, true) == Acad::eOk)
        document_ = document;
}

DocumentWriteLock::~DocumentWriteLock() {
    if (document_ != nullptr) acDocManager->unlockDocument(document_);
}

}  // namespace vexa::frame
