#include "dim/text_sizing/annotation_preview.h"

#include <memory>
#include <optional>

#include "frame/model_space.h"

namespace vexa::dim {

namespace {

// The visibility the entity had, or nothing when it cannot be opened.
std::optional<AcDb::Visibility> setVisibility(const AcDbObjectId& id, AcDb::Visibility visibility) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) return std::nullopt;
    const AcDb::Visibility before = entity->visibility();
    entity->setVisibility(visibility, true);
    entity->close();
    return before;
}

void erase(const AcDbObjectId& id) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) return;
    entity->erase();
    entity->close();
}

}  // namespace

bool AnnotationPreview::addCopyOf(AnnotationRecord record) {
    AcDbEntity* source = nullptr;
    if (acdbOpenObject(source, record.object, AcDb::kForRead) != Acad::eOk) return false;
    std::unique_ptr<AcRxObject> clone;
    if (isOfKindClass(*source, record.kind)) clone.reset(source->clone());
    AcDbEntity* copy = AcDbEntity::cast(clone.get());
    if (copy != nullptr && record.kind == kMovingDimension) recordTextPosition(record, *source);
    source->close();
    AcDbObjectId copyId;
    if (copy == nullptr || !frame::appendToModelSpace(copy, copyId)) return false;
    clone.release();  // the drawing owns it now
    sources_.push_back(record);
    record.object = copyId;
    copies_.push_back(record);
    return true;
}

void AnnotationPreview::hideSources() {
    for (const AnnotationRecord& source : sources_) {
        if (const std::optional<AcDb::Visibility> before = setVisibility(source.object, AcDb::kInvisible))
            hidden_.emplace_back(source.object, *before);
    }
}

void AnnotationPreview::restore() {
    for (const AnnotationRecord& copy : copies_) erase(copy.object);
    copies_.clear();
    // Backwards, so a source listed twice ends as it was before the first.
    for (auto it = hidden_.rbegin(); it != hidden_.rend(); ++it) setVisibility(it->first, it->second);
    hidden_.clear();
}

}  // namespace vexa::dim
