// The live preview of "Vexa-adjDimTxt": at every cursor move the height the cursor's place asks
// for, shown as a feedback text beside the cursor and applied to the annotation's copies.
#pragma once

#include <string>
#include <vector>

#include "acad/acedinpt.h"
#include "acad/acgi.h"
#include "dim/text_sizing/annotation_records.h"
#include "frame/document_lock.h"

namespace vexa::dim {

class AdjDimIPM : public AcEdInputPointMonitor {
public:
    // Locks the current document for writing until the monitor is destroyed.
    AdjDimIPM(const std::vector<AnnotationRecord>& copies, double defaultHeight, const AcGePoint3d& basePoint);

    bool holdsLock() const { return lock_.held(); }
    double currentHeight() const { return height_; }
    // The history bits of the last cursor position the host reported.
    int lastHistory() const { return history_; }

    Acad::ErrorStatus monitorInputPoint(
        bool& appendToTooltipStr, ACHAR*& additionalTooltipString, AcGiViewportDraw* drawContext,
        AcApDocument* document, bool pointComputed, int history, const AcGePoint3d& lastPoint,
        const AcGePoint3d& rawPoint, const AcGePoint3d& grippedPoint, const AcGePoint3d& cartesianSnappedPoint,
        const AcGePoint3d& osnappedPoint, AcDb::OsnapMask osnapMasks,
        const AcArray<AcDbCustomOsnapMode*>& customOsnapModes, AcDb::OsnapMask osnapOverrides,
        const AcArray<AcDbCustomOsnapMode*>& customOsnapOverrides, const AcArray<AcDbObjectId>& apertureEntities,
        const AcArray<AcDbObjectIdArray>& nestedApertureEntities, const AcArray<std::intptr_t>& gsSelectionMark,
        const AcArray<AcDbObjectId>& keyPointEntities, const AcArray<AcGeCurve3d*>& alignmentPaths,
        const AcGePoint3d& computedPoint, const ACHAR* tooltipString) override;

private:
    void drawFeedback(AcGiViewportDraw& draw, const AcGePoint3d& cursor);

    frame::DocumentWriteLock lock_;
    const std::vector<AnnotationRecord>& copies_;
    double defaultHeight_;
    double height_;
    double appliedHeight_;
    AcGePoint3d basePoint_;
    double pixelSize_ = 0.0;
    AcDbObjectId linetype_;
    AcGiTextStyle textStyle_;
    std::wstring numberFormat_;
    int history_ = 0;
};

}  // namespace vexa::dim
