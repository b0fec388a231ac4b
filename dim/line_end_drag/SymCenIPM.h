// The live preview of "Vexa-dynSymEnt": the line drawn from its fixed end to the cursor's
// projection on the line, with a double arrow beside the moving end.
#pragma once

#include <memory>

#include "acad/acedinpt.h"
#include "acad/gevec3d.h"
#include "frame/document_lock.h"

namespace vexa::dim {

class SymCenIPM : public AcEdInputPointMonitor {
public:
    // Locks the current document for writing until the monitor is destroyed; selector below 1:
    // the start point moves, else the end point.
    SymCenIPM(const AcDbObjectId& line, const AcGePoint3d& start, const AcGePoint3d& end, short selector);

    // Whether the lock was granted and the line copied.
    bool ready() const { return lock_.held() && line_ != nullptr; }
    short selector() const { return selector_; }
    // Where the moving end is now.
    const AcGePoint3d& movingPoint() const { return moving_; }

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
    void follow(const AcGePoint3d& cursor);
    void drawPreview(AcGiViewportDraw& draw) const;

    frame::DocumentWriteLock lock_;
    std::unique_ptr<AcDbLine> line_;  // outside the drawing: what the preview shows
    short selector_;
    AcGePoint3d fixed_;   // A
    AcGePoint3d other_;   // B
    AcGeVector3d direction_;  // V, from A to B
    AcGePoint3d moving_;  // M
    double pixelSize_ = 0.0;
    AcDbObjectId linetype_;
};

}  // namespace vexa::dim
