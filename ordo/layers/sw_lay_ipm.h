// The rubber band: a line from a fixed base point to beside the cursor, with a mark at each end.
#pragma once

#include "acad/acedinpt.h"
#include "acad/gevec3d.h"

namespace vexa::ordo {

class swLayIPM : public AcEdInputPointMonitor {
public:
    // Looks up the linetype "CONTINUOUS" of the current drawing.
    explicit swLayIPM(const AcGePoint3d& basePoint);

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
    // Drawing units per screen pixel and the view's axes in the world, as the current viewport shows them now.
    void measureView();

    AcGePoint3d basePoint_;
    AcDbObjectId linetype_;
    AcGeVector3d viewX_;
    AcGeVector3d viewY_;
    AcGeVector3d viewNormal_;
    double pixelSize_ = 0.0;
};

}  // namespace vexa::ordo
