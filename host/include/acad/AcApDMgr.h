// The SDK's per-document data manager: one record per open document, dropped when the host
// destroys the document.
#pragma once

#include <map>

#include "acad/acdocman.h"

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
