// The copies of the annotation that show the new size while the user drags, with their sources
// hidden; however the function ends, the copies are erased and the sources shown again.
#pragma once

#include <utility>
#include <vector>

#include "dim/text_sizing/annotation_records.h"

namespace vexa::dim {

class AnnotationPreview {
public:
    AnnotationPreview() = default;
    ~AnnotationPreview() { restore(); }
    AnnotationPreview(const AnnotationPreview&) = delete;
    AnnotationPreview& operator=(const AnnotationPreview&) = delete;

    // Clones the record's object into model space; false when the object is not of its kind's
    // class or the clone cannot be added.
    bool addCopyOf(AnnotationRecord record);
    // Makes every source invisible, sub-entities included.
    void hideSources();
    // Erases the copies and gives the sources their visibility back; does nothing the second time.
    void restore();

    const std::vector<AnnotationRecord>& sources() const { return sources_; }
    const std::vector<AnnotationRecord>& copies() const { return copies_; }

private:
    std::vector<AnnotationRecord> sources_;
    std::vector<AnnotationRecord> copies_;
    // The sources made invisible, with the visibility each had.
    std::vector<std::pair<AcDbObjectId, AcDb::Visibility>> hidden_;
};

}  // namespace vexa::dim
