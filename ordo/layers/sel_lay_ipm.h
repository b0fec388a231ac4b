// The layer tooltip: names the layers of the objects under the cursor.
#pragma once

#include <string>

#include "acad/acedinpt.h"

namespace vexa::ordo {

class selLayIPM : public AcEdInputPointMonitor {
public:
    selLayIPM(std::wstring oneLayerText, std::wstring severalLayersText, bool topOnly);

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
    std::wstring oneLayerText_;
    std::wstring severalLayersText_;
    bool topOnly_;
};

}  // namespace vexa::ordo
