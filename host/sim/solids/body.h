// A solid's boundary representation, as the modeller keeps it behind the database's solids.
#pragma once

#include <TopoDS_Shape.hxx>

namespace vexa::sim::solids {

class Body {
public:
    explicit Body(TopoDS_Shape shape) : shape_(std::move(shape)) {}
    const TopoDS_Shape& shape() const { return shape_; }

private:
    TopoDS_Shape shape_;
};

}  // namespace vexa::sim::solids
