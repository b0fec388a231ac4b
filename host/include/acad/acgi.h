// The draw context a monitor gets: traits of what it draws next and the transient geometry.
#pragma once

#include <cstdint>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"

class AcGiTextStyle {
public:
    AcGiTextStyle() = default;
    explicit AcGiTextStyle(double textSize) : textSize_(textSize) {}
    double textSize() const { return textSize_; }

private:
    double textSize_ = 1.0;
};

class AcGiSubEntityTraits {
public:
    virtual ~AcGiSubEntityTraits() = default;
    // A colour index 0..256 (0 by block, 256 by layer).
    virtual void setColor(std::uint16_t color) = 0;
    virtual void setLineType(AcDbObjectId linetype) = 0;
};

class AcGiViewportGeometry {
public:
    virtual ~AcGiViewportGeometry() = default;
    virtual bool circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal) const = 0;
    virtual bool polyline(std::uint32_t count, const AcGePoint3d* vertices, const AcGeVector3d* normal = nullptr,
                          std::intptr_t baseSubEntityMarker = -1) const = 0;
    // A closed, filled outline.
    virtual bool polygon(std::uint32_t count, const AcGePoint3d* vertices) const = 0;
    // length -1: the text runs to its terminator; raw: no % codes are interpreted.
    virtual bool text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                      const ACHAR* message, std::int32_t length, bool raw, const AcGiTextStyle& style) const = 0;
};

class AcGiViewportDraw {
public:
    virtual ~AcGiViewportDraw() = default;
    virtual AcGiSubEntityTraits& subEntityTraits() const = 0;
    virtual AcGiViewportGeometry& geometry() const = 0;
};
