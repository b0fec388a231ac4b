#include "ordo/layers/sw_lay_ipm.h"

#include "acad/acedtrans.h"
#include "frame/drawing_view.h"
#include "ordo/layers/sw_lay_geometry.h"

namespace vexa::ordo {

namespace {

constexpr std::uint16_t kBandColour = 141;

AcGeVector3d displayToWorld(const AcGeVector3d& direction) {
    resbuf display{nullptr, RTSHORT, {}};
    display.resval.rint = 2;
    resbuf world{nullptr, RTSHORT, {}};
    world.resval.rint = 0;
    const ads_point in{direction.x, direction.y, direction.z};
    ads_point out{0.0, 0.0, 0.0};
    if (acedTrans(in, &display, &world, 1, out) != RTNORM) return direction;
    return {out[0], out[1], out[2]};
}

}  // namespace

swLayIPM::swLayIPM(const AcGePoint3d& basePoint) : basePoint_(basePoint), linetype_(frame::continuousLinetype()) {}

void swLayIPM::measureView() {
    pixelSize_ = frame::pixelSize();
    const ViewAxes axes =
        viewAxes(displayToWorld(AcGeVector3d::kZAxis), displayToWorld(AcGeVector3d::kXAxis));
    viewX_ = axes.x;
    viewY_ = axes.y;
    viewNormal_ = axes.normal;
}

Acad::ErrorStatus swLayIPM::monitorInputPoint(
    bool&, ACHAR*&, AcGiViewportDraw* drawContext, AcApDocument*, bool pointComputed, int, const AcGePoint3d&,
    const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, AcDb::OsnapMask,
    const AcArray<AcDbCustomOsnapMode*>&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcDbObjectIdArray>&, const AcArray<std::intptr_t>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcGeCurve3d*>&, const AcGePoint3d& computedPoint, const ACHAR*) {
    if (!pointComputed || drawContext == nullptr) return Acad::eOk;
    measureView();
    const AcGePoint3d end = bandEnd(computedPoint, pixelSize_, {viewX_, viewY_, viewNormal_});
    const double radius = bandMarkRadius(pixelSize_);
    drawContext->subEntityTraits().setColor(kBandColour);
    drawContext->subEntityTraits().setLineType(linetype_);
    drawContext->geometry().circle(end, radius, viewNormal_);
    drawContext->geometry().circle(basePoint_, radius, viewNormal_);
    const AcGePoint3d band[] = {basePoint_, end};
    drawContext->geometry().polyline(2, band);
    return Acad::eOk;
}

}  // namespace vexa::ordo
