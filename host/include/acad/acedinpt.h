// Input-point monitors: objects each drawing's input-point manager calls at every cursor move.
#pragma once

#include <cstdint>

#include "acad/acarray.h"
#include "acad/acdocman.h"
#include "acad/acgi.h"
#include "acad/dbmain.h"

using AcDbObjectIdArray = AcArray<AcDbObjectId>;

class AcDbCustomOsnapMode;
class AcGeCurve3d;

namespace AcDb {
enum OsnapMask {
    kOsMaskEnd = 0x1, kOsMaskMid = 0x2, kOsMaskCen = 0x4, kOsMaskNode = 0x8, kOsMaskQuad = 0x10,
    kOsMaskInt = 0x20, kOsMaskIns = 0x40, kOsMaskPerp = 0x80, kOsMaskTan = 0x100, kOsMaskNear = 0x200,
    kOsMaskQuick = 0x400, kOsMaskApint = 0x800, kOsMaskImmediate = 0x10000, kOsMaskAllowTan = 0x20000,
    kOsMaskDisablePerp = 0x40000, kOsMaskRelCartesian = 0x80000, kOsMaskRelPolar = 0x100000,
    kOsMaskNoneOverride = 0x200000,
};
}

namespace Acad {
// How the point of one input event came about; the bits of a monitor's history argument.
enum PointHistoryBits {
    eTablet = 0x1, eNotDigitizer = 0x2, eLastPt = 0x4, eGripped = 0x8, eCartSnapped = 0x10, eOrtho = 0x20,
    eCyclingPt = 0x40, eOsnapped = 0x80, ePolarAngle = 0x100, eAligned = 0x400, eAppFiltered = 0x800,
    eForcedPick = 0x1000, eUsedPickBox = 0x2000, eUsedOsnapBox = 0x4000, ePickAborted = 0x8000,
    eXPending = 0x10000, eYPending = 0x20000, eZPending = 0x40000, eFromKeyboard = 0x80000,
    eNotInteractive = 0x100000,
};
}

class AcEdInputPointMonitor {
public:
    virtual ~AcEdInputPointMonitor() = default;
    // The point arguments are valid only when pointComputed. A tooltip addition is a string
    // made with acutNewString; the host takes it over and releases it.
    virtual Acad::ErrorStatus monitorInputPoint(
        bool& appendToTooltipStr, ACHAR*& additionalTooltipString, AcGiViewportDraw* drawContext,
        AcApDocument* document, bool pointComputed, int history, const AcGePoint3d& lastPoint,
        const AcGePoint3d& rawPoint, const AcGePoint3d& grippedPoint, const AcGePoint3d& cartesianSnappedPoint,
        const AcGePoint3d& osnappedPoint, AcDb::OsnapMask osnapMasks,
        const AcArray<AcDbCustomOsnapMode*>& customOsnapModes, AcDb::OsnapMask osnapOverrides,
        const AcArray<AcDbCustomOsnapMode*>& customOsnapOverrides, const AcArray<AcDbObjectId>& apertureEntities,
        const AcArray<AcDbObjectIdArray>& nestedApertureEntities, const AcArray<std::intptr_t>& gsSelectionMark,
        const AcArray<AcDbObjectId>& keyPointEntities, const AcArray<AcGeCurve3d*>& alignmentPaths,
        const AcGePoint3d& computedPoint, const ACHAR* tooltipString) = 0;
};

class AcEdInputPointManager {
public:
    virtual ~AcEdInputPointManager() = default;
    virtual Acad::ErrorStatus addPointMonitor(AcEdInputPointMonitor* monitor) = 0;
    virtual Acad::ErrorStatus removePointMonitor(AcEdInputPointMonitor* monitor) = 0;
    // Counters: forced picking is on, and the host's cursor graphics are off, while above 0.
    virtual Acad::ErrorStatus turnOnForcedPick() = 0;
    virtual Acad::ErrorStatus turnOffForcedPick() = 0;
    virtual int forcedPickCount() const = 0;
    virtual Acad::ErrorStatus disableSystemCursorGraphics() = 0;
    virtual Acad::ErrorStatus enableSystemCursorGraphics() = 0;
    virtual int systemCursorDisableCount() const = 0;
};
