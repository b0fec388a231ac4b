#include "dim/line_end_drag/SymCenIPM.h"

#include "dim/line_end_drag/end_selector.h"
#include "frame/drawing_view.h"

namespace vexa::dim {

namespace {

constexpr std::uint16_t kMarkColour = 141;
constexpr double kMarkRadius = 2.0;     // pixels
constexpr double kArrowOffset = 8.0;    // pixels from the moving end, sideways and along
constexpr double kArrowHead = 3.0;      // pixels
constexpr double kArrowHeadWidth = 0.4; // of the head's length, each side

std::unique_ptr<AcDbLine> copyOf(const AcDbObjectId& id) {
    AcDbLine* line = nullptr;
    if (acdbOpenObject(line, id, AcDb::kForRead) != Acad::eOk) return nullptr;
    std::unique_ptr<AcRxObject> clone(line->clone());
    line->close();
    std::unique_ptr<AcDbLine> copy(AcDbLine::cast(clone.get()));
    if (copy != nullptr) clone.release();
    return copy;
}

}  // namespace

SymCenIPM::SymCenIPM(const AcDbObjectId& line, const AcGePoint3d& start, const AcGePoint3d& end, short selector)
    : line_(copyOf(line)), selector_(selector), fixed_(selector < 1 ? end : start),
      other_(selector < 1 ? start : end), direction_((other_ - fixed_).normal()), moving_(other_),
      linetype_(frame::continuousLinetype()) {}

void SymCenIPM::follow(const AcGePoint3d& cursor) {
    double along = (cursor - fixed_).dotProduct(direction_);
    if (along < 0.0) {
        selector_ = swappedSelector(selector_);
        direction_ = -direction_;
        std::swap(fixed_, other_);
        along = (cursor - fixed_).dotProduct(direction_);
    }
    moving_ = fixed_ + along * direction_;
    if (selector_ < 1) {
        line_->setEndPoint(fixed_);
        line_->setStartPoint(moving_);
    } else {
        line_->setStartPoint(fixed_);
        line_->setEndPoint(moving_);
    }
}

void SymCenIPM::drawPreview(AcGiViewportDraw& draw) const {
    AcGiSubEntityTraits& traits = draw.subEntityTraits();
    AcGiViewportGeometry& geometry = draw.geometry();
    traits.setColor(static_cast<std::uint16_t>(line_->colorIndex()));
    const AcGePoint3d segment[] = {line_->startPoint(), line_->endPoint()};
    geometry.polyline(2, segment);

    const double w = pixelSize_;
    traits.setColor(kMarkColour);
    traits.setLineType(linetype_);
    geometry.circle(fixed_, kMarkRadius * w, AcGeVector3d::kZAxis);
    geometry.circle(moving_, kMarkRadius * w, AcGeVector3d::kZAxis);

    // The arrow lies above a horizontal line and left of a vertical one.
    const AcGeVector3d& v = direction_;
    AcGeVector3d n = v.crossProduct(AcGeVector3d::kZAxis);
    const double towardsX = v.dotProduct(AcGeVector3d::kXAxis);
    if (towardsX > 0.0 || (towardsX == 0.0 && v.dotProduct(AcGeVector3d::kYAxis) > 0.0)) n = -n;
    const AcGePoint3d d0 = moving_ + kArrowOffset * w * (n - v);
    const AcGePoint3d d1 = moving_ + kArrowOffset * w * (n + v);
    const AcGePoint3d shaft[] = {d0, d1};
    geometry.polyline(2, shaft);
    const AcGeVector3d inner = kArrowHead * w * (v - kArrowHeadWidth * n);
    const AcGeVector3d outer = kArrowHead * w * (v + kArrowHeadWidth * n);
    const AcGePoint3d tail[] = {d0 + inner, d0, d0 + outer};
    const AcGePoint3d head[] = {d1 - inner, d1, d1 - outer};
    geometry.polygon(3, tail);
    geometry.polygon(3, head);
}

Acad::ErrorStatus SymCenIPM::monitorInputPoint(
    bool&, ACHAR*&, AcGiViewportDraw* drawContext, AcApDocument*, bool pointComputed, int, const AcGePoint3d&,
    const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, AcDb::OsnapMask,
    const AcArray<AcDbCustomOsnapMode*>&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcDbObjectIdArray>&, const AcArray<std::intptr_t>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcGeCurve3d*>&, const AcGePoint3d& computedPoint, const ACHAR*) {
    if (!pointComputed || line_ == nullptr) return Acad::eOk;
    follow(computedPoint);
    pixelSize_ = frame::pixelSize();
    if (drawContext != nullptr) drawPreview(*drawContext);
    return Acad::eOk;
}

}  // namespace vexa::dim
