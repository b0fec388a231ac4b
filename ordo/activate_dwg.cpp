#include "ordo/activate_dwg.h"

#include <array>
#include <cwctype>
#include <memory>
#include <string_view>

#include "acad/acdocman.h"
#include "acad/aced.h"

namespace vexa::ordo {

namespace {

bool equalIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
    }
    return true;
}

}  // namespace

void activateDwg() {
    std::array<ACHAR, 1024> line{};
    if (acedGetStringB(1, nullptr, line.data(), line.size()) != RTNORM) return;
    AcApDocManager* manager = acDocManager;
    if (manager == nullptr) return;
    std::unique_ptr<AcApDocumentIterator> documents(manager->newAcApDocumentIterator());
    if (!documents) return;
    for (; !documents->done(); documents->step()) {
        AcApDocument* document = documents->document();
        const ACHAR* path = document ? document->fileName() : nullptr;
        if (path != nullptr && equalIgnoringCase(path, line.data())) {
            manager->activateDocument(document, true);
            return;
        }
    }
}

}  // namespace vexa::ordo
