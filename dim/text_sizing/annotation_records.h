// The annotation objects "Vexa-adjDimTxt" resizes, and how a text height is applied to each.
#pragma once

#include <optional>
#include <vector>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"
#include "frame/lisp_items.h"

namespace vexa::dim {

enum AnnotationKind {
    kDimension = 0,
    kMovingDimension = 1,  // its dimension line follows the text size
    kLeader = 2,
    kMultileader = 3,
    kText = 4,
    kMText = 5,
};

struct AnnotationRecord {
    AcDbObjectId object;
    int kind = kDimension;
    // Kind 1 only: the dimension line point P, the text position T, the unit direction V from
    // the measured object to the dimension line, the overall scale S and the line's offset K
    // at the start, and the text offset D = (T - P)·V + K.
    AcGePoint3d dimensionLinePoint;
    AcGePoint3d textPosition;
    AcGeVector3d direction;
    double scale = 1.0;
    double offset = 0.0;
    double textOffset = 0.0;
    bool defaultTextPosition = true;
};

// Reads a list of records (kind name) or (1 name S V K P); nothing when the list is empty or
// any record lacks an item, has one of the wrong type, or names no object.
std::optional<std::vector<AnnotationRecord>> readAnnotationRecords(const frame::Element& list);

// Whether an entity is of the class its record's kind names; kinds outside 0..5 take any entity.
bool isOfKindClass(const AcDbEntity& entity, int kind);

// Takes the text position, its offset and the default-position state of a kind-1 record
// from its dimension.
void recordTextPosition(AnnotationRecord& record, const AcDbEntity& dimension);

// Gives every record's object the text height h; each object is opened for write, changed and
// closed. Records of other kinds, and objects that cannot be opened as their kind, are skipped.
void applyHeight(const std::vector<AnnotationRecord>& records, double height);

}  // namespace vexa::dim
