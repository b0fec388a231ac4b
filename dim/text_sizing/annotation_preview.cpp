#include "dim/text_sizing/annotation_preview.h"

#include <memory>

#include "frame/model_space.h"

namespace vexa::dim {

namespace {

void setVisibility(const AcDbObjectId& id, AcDb::Visibility visibility) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) return;
    entity->setVisibility(visibility, true);
    entity->close();
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
        setVisibility(source.object, AcDb::kInvisible);
        hidden_.push_back(source.object);
    }
}

void AnnotationPreview::restore() {
    for (const AnnotationRecord& copy : copies_) erase(copy.object);
    copies_.clear();
    for (const AcDbObjectId& id : hidden_) setVisibility(id, AcDb::kVisible);
    hidden_.clear();
}

}  // namespace vexa::dim
