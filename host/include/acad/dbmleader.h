// Multileaders: a text with its leader lines, scaled as a whole (MLEADERSCALE).
#pragma once

#include "acad/dbmain.h"

class AcDbMLeader : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMLeader)
    AcDbMLeader() = default;
    // The overall scale; positive and finite, else eInvalidInput.
    double scale() const { return scale_; }
    Acad::ErrorStatus setScale(double scale);
    // The text height before the overall scale; positive and finite, else eInvalidInput.
    double textHeight() const { return textHeight_; }
    Acad::ErrorStatus setTextHeight(double height);
    // Where the text sits (world coordinates).
    Acad::ErrorStatus getTextLocation(AcGePoint3d& location) const;
    Acad::ErrorStatus setTextLocation(const AcGePoint3d& location);

private:
    AcGePoint3d location_;
    double scale_ = 1.0;
    double textHeight_ = 2.5;
};
