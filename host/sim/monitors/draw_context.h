// The draw context handed to the monitors at one cursor move; it records what they draw.
#pragma once

#include <vector>

#include "acad/acgi.h"
#include "monitors/transient_graphics.h"

namespace vexa::sim::monitors {

class DrawContext : public AcGiViewportDraw, private AcGiSubEntityTraits, private AcGiViewportGeometry {
public:
    explicit DrawContext(std::vector<Primitive>& drawn) : drawn_(drawn) {}

    AcGiSubEntityTraits& subEntityTraits() const override { return const_cast<DrawContext&>(*this); }
    AcGiViewportGeometry& geometry() const override { return const_cast<DrawContext&>(*this); }

private:
    void setColor(std::uint16_t color) override;
    void setLineType(AcDbObjectId linetype) override;

    // Each answers false: the host never aborts transient drawing.
    bool circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal) const override;
    bool polyline(std::uint32_t count, const AcGePoint3d* vertices, const AcGeVector3d* normal,
                  std::intptr_t baseSubEntityMarker) const override;
    bool polygon(std::uint32_t count, const AcGePoint3d* vertices) const override;
    bool text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
              const ACHAR* message, std::int32_t length, bool raw, const AcGiTextStyle& style) const override;

    Primitive withTraits(Primitive::Shape shape) const;
    void draw(Primitive primitive) const { drawn_.push_back(std::move(primitive)); }

    std::vector<Primitive>& drawn_;
    int color_ = 256;
    std::wstring linetype_;
};

}  // namespace vexa::sim::monitors
