// The draw context a monitor gets: traits of what it draws next and the transient geometry.
#pragma once

#include <cstdint>
#include <string>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"

// The style of transient text: a font (a shape file such as "txt.shx", or a typeface), size and
// width factor. It needs no database.
class AcGiTextStyle {
public:
    AcGiTextStyle() = default;
    explicit AcGiTextStyle(double textSize) : textSize_(textSize) {}
    void setFileName(const ACHAR* fileName) { fileName_ = fileName != nullptr ? fileName : L""; }
    void setBigFontFileName(const ACHAR* fileName) { bigFontFileName_ = fileName != nullptr ? fileName : L""; }
    void setFont(const ACHAR* typeface, bool bold, bool italic, int charset, int pitchAndFamily);
    const ACHAR* fileName() const { return fileName_.c_str(); }
    const ACHAR* bigFontFileName() const { return bigFontFileName_.c_str(); }
    void setTextSize(double size) { textSize_ = size; }
    double textSize() const { return textSize_; }
    void setXScale(double factor) { xScale_ = factor; }
    double xScale() const { return xScale_; }
    // Loads the font the style names: 0 when it is ready (the host falls back to its own shapes
    // for a file it does not have).
    int loadStyleRec() const;
    // Width (x) and height (y) of the text in drawing units. length -1: to the terminator; raw:
    // no % codes are interpreted (otherwise %%d, %%p, %%c count as one character and %%o, %%u
    // as none); penups has no effect on the extent here.
    AcGePoint2d extents(const ACHAR* text, bool penups, int length, bool raw) const;

private:
    std::wstring fileName_;
    std::wstring bigFontFileName_;
    std::wstring typeface_;
    double textSize_ = 1.0;
    double xScale_ = 1.0;
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
