// Dimensions: the text place, the overall scale and the text height through the dimension's style.
#pragma once

#include <optional>

#include "acad/dbmain.h"

class AcDbDimension : public AcDbEntity {
public:
    ACRX_DECLARE_CAST(AcDbDimension)
    // The middle of the dimension text (world coordinates).
    AcGePoint3d textPosition() const { return textPosition_; }
    Acad::ErrorStatus setTextPosition(const AcGePoint3d& position);
    // The host places the text itself (anew when it takes the dimension back at close: the middle
    // of the dimension line), or keeps it where it was set (DXF group 70 bit 128).
    bool isUsingDefaultTextPosition() const { return !userTextPosition_; }
    Acad::ErrorStatus useDefaultTextPosition();
    Acad::ErrorStatus useSetTextPosition();
    // The overall scale (DIMSCALE): the dimension's override when set, else its style's.
    double dimscale() const;
    // Sets the override; not negative and finite, else eInvalidInput.
    Acad::ErrorStatus setDimscale(double scale);
    // The text height (DIMTXT): the override when set, else the style's.
    double dimtxt() const;
    // The dimension style; null for a dimension made with new until it joins a database, where it
    // takes the current style.
    AcDbObjectId dimensionStyle() const { return style_; }

protected:
    AcDbDimension() = default;
    AcDbDimension(const AcGePoint3d& textPosition, const AcDbObjectId& style)
        : textPosition_(textPosition), style_(style) {}

private:
    friend class AcDbObjectAccess;
    AcGePoint3d textPosition_;
    bool userTextPosition_ = false;
    AcDbObjectId style_;
    std::optional<double> scale_;
    std::optional<double> textHeight_;
};

// What rotated and aligned dimensions share: the measured points and the dimension line.
class AcDbLinearDimension : public AcDbDimension {
public:
    ACRX_DECLARE_CAST(AcDbLinearDimension)
    AcGePoint3d xLine1Point() const { return xLine1_; }
    AcGePoint3d xLine2Point() const { return xLine2_; }
    AcGePoint3d dimLinePoint() const { return dimLine_; }
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);

protected:
    AcDbLinearDimension() = default;
    AcDbLinearDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
                        AcDbObjectId dimStyle)
        : AcDbDimension(dimLinePoint, dimStyle), xLine1_(xLine1Point), xLine2_(xLine2Point), dimLine_(dimLinePoint) {}

private:
    AcGePoint3d xLine1_;
    AcGePoint3d xLine2_;
    AcGePoint3d dimLine_;
};

// A linear dimension whose line runs at a given angle, whatever the measured points.
class AcDbRotatedDimension : public AcDbLinearDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRotatedDimension)
    AcDbRotatedDimension() = default;
    // rotation in radians; dimText is not kept (the host measures the text).
    AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                         const AcGePoint3d& dimLinePoint, const ACHAR* /*dimText*/ = nullptr,
                         AcDbObjectId dimStyle = AcDbObjectId::kNull)
        : AcDbLinearDimension(xLine1Point, xLine2Point, dimLinePoint, dimStyle), rotation_(rotation) {}
    double rotation() const { return rotation_; }

private:
    double rotation_ = 0.0;
};

// A linear dimension whose line runs parallel to the measured points.
class AcDbAlignedDimension : public AcDbLinearDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbAlignedDimension)
    AcDbAlignedDimension() = default;
    AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                         const AcGePoint3d& dimLinePoint, const ACHAR* /*dimText*/ = nullptr,
                         AcDbObjectId dimStyle = AcDbObjectId::kNull)
        : AcDbLinearDimension(xLine1Point, xLine2Point, dimLinePoint, dimStyle) {}
};
