// Per-document records, dropped when the host destroys their document.
#pragma once

#include <map>

#include "acad/acdocman.h"

// The plug-ins keep no per-document data; the record exists so a later need has a home.
struct CDocData {};

template <class Data>
class AcApDataManager : public AcApDocManagerReactor {
public:
    AcApDataManager() {
        if (AcApDocManager* manager = acDocManager) manager->addReactor(this);
    }
    ~AcApDataManager() override {
        if (AcApDocManager* manager = acDocManager) manager->removeReactor(this);
        records_.clear();
    }
    AcApDataManager(const AcApDataManager&) = delete;
    AcApDataManager& operator=(const AcApDataManager&) = delete;

    Data& docData(AcApDocument* document) { return records_[document]; }
    Data& docData() { return docData(curDoc()); }
    std::size_t size() const { return records_.size(); }

    void documentToBeDestroyed(AcApDocument* document) override { records_.erase(document); }

private:
    std::map<AcApDocument*, Data> records_;
};
