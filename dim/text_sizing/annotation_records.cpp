#include "dim/text_sizing/annotation_records.h"

#include "acad/dbdim.h"
#include "acad/dblead.h"
#include "acad/dbmleader.h"
#include "acad/dbtext.h"

namespace vexa::dim {

namespace {

AcGePoint3d toPoint(const std::array<double, 3>& p) { return {p[0], p[1], p[2]}; }

std::optional<AnnotationRecord> readRecord(const frame::Element& item) {
    const std::vector<frame::Element> fields = item.children();
    if (fields.size() < 2) return std::nullopt;
    const std::optional<short> kind = fields[0].integer();
    ads_name name{0, 0};
    AnnotationRecord record;
    if (!kind || !fields[1].entityName(name) || acdbGetObjectId(record.object, name) != Acad::eOk) return std::nullopt;
    record.kind = *kind;
    if (record.kind != kMovingDimension) return record;
    if (fields.size() < 6) return std::nullopt;
    const std::optional<double> scale = fields[2].real();
    const std::optional<std::array<double, 3>> direction = fields[3].point();
    const std::optional<double> offset = fields[4].real();
    const std::optional<std::array<double, 3>> linePoint = fields[5].point();
    if (!scale || *scale == 0.0 || !direction || !offset || !linePoint) return std::nullopt;
    record.scale = *scale;
    record.direction = {(*direction)[0], (*direction)[1], (*direction)[2]};
    record.offset = *offset;
    record.dimensionLinePoint = toPoint(*linePoint);
    return record;
}

// The dimension's new line and text position for the height: with r = (h / text height) / S - 1,
// the line point moves r·K and the text r·D along V.
void applyToDimension(AcDbDimension& dimension, const AnnotationRecord& record, double newScale) {
    const double r = newScale / record.scale - 1.0;
    const AcGePoint3d linePoint = record.dimensionLinePoint + r * record.offset * record.direction;
    if (AcDbRotatedDimension* rotated = AcDbRotatedDimension::cast(&dimension)) rotated->setDimLinePoint(linePoint);
    else if (AcDbAlignedDimension* aligned = AcDbAlignedDimension::cast(&dimension)) aligned->setDimLinePoint(linePoint);
    dimension.setTextPosition(record.textPosition + r * record.textOffset * record.direction);
    if (record.defaultTextPosition) dimension.useDefaultTextPosition();
    else dimension.useSetTextPosition();
}

// A scale h / text height, or nothing for an object without text height.
std::optional<double> scaleFor(double height, double textHeight) {
    if (!(textHeight > 0.0)) return std::nullopt;
    return height / textHeight;
}

void applyToEntity(AcDbEntity& entity, const AnnotationRecord& record, double height) {
    switch (record.kind) {
    case kDimension:
    case kMovingDimension:
        if (AcDbDimension* dimension = AcDbDimension::cast(&entity)) {
            const std::optional<double> scale = scaleFor(height, dimension->dimtxt());
            if (!scale) return;
            dimension->setDimscale(*scale);
            if (record.kind == kMovingDimension) applyToDimension(*dimension, record, *scale);
        }
        return;
    case kLeader:
        if (AcDbLeader* leader = AcDbLeader::cast(&entity)) {
            if (const std::optional<double> scale = scaleFor(height, leader->dimtxt())) leader->setDimscale(*scale);
        }
        return;
    case kMultileader:
        if (AcDbMLeader* leader = AcDbMLeader::cast(&entity)) {
            if (const std::optional<double> scale = scaleFor(height, leader->textHeight())) leader->setScale(*scale);
        }
        return;
    case kText:
        if (AcDbText* text = AcDbText::cast(&entity)) text->setHeight(height);
        return;
    case kMText:
        if (AcDbMText* text = AcDbMText::cast(&entity)) text->setTextHeight(height);
        return;
    default:
        return;
    }
}

}  // namespace

std::optional<std::vector<AnnotationRecord>> readAnnotationRecords(const frame::Element& list) {
    if (!list.isList()) return std::nullopt;
    std::vector<AnnotationRecord> records;
    for (const frame::Element& item : list.children()) {
        std::optional<AnnotationRecord> record = readRecord(item);
        if (!record) return std::nullopt;
        records.push_back(*record);
    }
    if (records.empty()) return std::nullopt;
    return records;
}

bool isOfKindClass(const AcDbEntity& entity, int kind) {
    switch (kind) {
    case kDimension:
    case kMovingDimension: return AcDbDimension::cast(&entity) != nullptr;
    case kLeader: return AcDbLeader::cast(&entity) != nullptr;
    case kMultileader: return AcDbMLeader::cast(&entity) != nullptr;
    case kText: return AcDbText::cast(&entity) != nullptr;
    case kMText: return AcDbMText::cast(&entity) != nullptr;
    default: return true;
    }
}

void recordTextPosition(AnnotationRecord& record, const AcDbEntity& entity) {
    const AcDbDimension* dimension = AcDbDimension::cast(&entity);
    if (dimension == nullptr) return;
    record.textPosition = dimension->textPosition();
    record.textOffset = (record.textPosition - record.dimensionLinePoint).dotProduct(record.direction) + record.offset;
    record.defaultTextPosition = dimension->isUsingDefaultTextPosition();
}

void applyHeight(const std::vector<AnnotationRecord>& records, double height) {
    for (const AnnotationRecord& record : records) {
        if (record.kind < kDimension || record.kind > kMText) continue;
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, record.object, AcDb::kForWrite) != Acad::eOk) continue;
        applyToEntity(*entity, record, height);
        entity->close();
    }
}

}  // namespace vexa::dim
