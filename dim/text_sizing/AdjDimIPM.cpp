#include "dim/text_sizing/AdjDimIPM.h"

#include "acad/aced.h"
#include "dim/text_sizing/height_feedback.h"
#include "frame/drawing_view.h"

namespace vexa::dim {

namespace {

constexpr std::uint16_t kMarkColour = 141;
constexpr std::uint16_t kTextColour = 91;
constexpr double kMarkRadius = 2.0;    // pixels
constexpr double kTextSize = 10.0;     // pixels
constexpr double kTextRaise = 18.0;    // pixels: the text's base sits 9 above a centred one
constexpr double kTextWidthFactor = 1.1;

int unitsPrecision() {
    resbuf value{};
    if (acedGetVar(L"LUPREC", &value) != RTNORM || value.restype != RTSHORT) return 4;
    return value.resval.rint;
}

}  // namespace

AdjDimIPM::AdjDimIPM(const std::vector<AnnotationRecord>& copies, double defaultHeight, const AcGePoint3d& basePoint)
    : copies_(copies), defaultHeight_(defaultHeight), height_(defaultHeight), appliedHeight_(defaultHeight),
      basePoint_(basePoint), linetype_(frame::continuousLinetype()), numberFormat_(numberFormat(unitsPrecision())) {
    textStyle_.setFileName(L"txt.shx");
    textStyle_.setBigFontFileName(L"txt.shx");
    textStyle_.setFont(L"txt.shx", false, false, 0, 0);
    textStyle_.setXScale(kTextWidthFactor);
    textStyle_.loadStyleRec();
}

void AdjDimIPM::drawFeedback(AcGiViewportDraw& draw, const AcGePoint3d& cursor) {
    pixelSize_ = frame::pixelSize();
    draw.subEntityTraits().setLineType(linetype_);
    draw.subEntityTraits().setColor(kMarkColour);
    draw.geometry().circle(cursor, kMarkRadius * pixelSize_, AcGeVector3d::kZAxis);
    draw.geometry().circle(basePoint_, kMarkRadius * pixelSize_, AcGeVector3d::kZAxis);

    draw.subEntityTraits().setColor(kTextColour);
    const std::wstring text = feedbackText(height_, numberFormat_);
    textStyle_.setTextSize(kTextSize * pixelSize_);
    const AcGePoint2d extents = textStyle_.extents(text.c_str(), false, -1, true);
    const AcGePoint3d position(cursor.x - extents.x / 2.0, cursor.y - (extents.y - kTextRaise * pixelSize_) / 2.0,
                               cursor.z);
    draw.geometry().text(position, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, text.c_str(), -1, true, textStyle_);
}

Acad::ErrorStatus AdjDimIPM::monitorInputPoint(
    bool&, ACHAR*&, AcGiViewportDraw* drawContext, AcApDocument*, bool pointComputed, int history,
    const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&,
    AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcDbObjectIdArray>&, const AcArray<std::intptr_t>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcGeCurve3d*>&, const AcGePoint3d& computedPoint, const ACHAR*) {
    history_ = history;
    if (!pointComputed) return Acad::eOk;
    height_ = heightAt(defaultHeight_, computedPoint.x - basePoint_.x);
    if (drawContext != nullptr) drawFeedback(*drawContext, computedPoint);
    if (height_ != appliedHeight_) {
        applyHeight(copies_, height_);
        appliedHeight_ = height_;
    }
    return Acad::eOk;
}

}  // namespace vexa::dim
