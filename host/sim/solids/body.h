// A solid's boundary representation, as the modeller keeps it behind the database's solids.
#pragma once

#include <TopoDS_Shape.hxx>

namespace vexa::sim::solids {

class Body {
public:
    Body(TopoDS_Shape shape, double size) : shape_(std::move(shape)), size_(size) {}
    const TopoDS_Shape& shape() const { return shape_; }
    // The diagonal of its bounding box, which sets how finely it is meshed.
    double size() const { return size_; }

private:
    TopoDS_Shape shape_;
    double size_;
};

}  // namespace vexa::sim::solids
