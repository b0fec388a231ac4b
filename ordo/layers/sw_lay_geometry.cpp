#include "ordo/layers/sw_lay_geometry.h"

namespace vexa::ordo {

namespace {

constexpr double kEndOffsetPixels = 17.0;
constexpr double kMarkRadiusPixels = 2.0;

}  // namespace

ViewAxes viewAxes(const AcGeVector3d& displayZ, const AcGeVector3d& displayX) {
    ViewAxes axes;
    axes.normal = displayZ.normal();
    axes.x = displayX.normal();
    axes.y = axes.normal.crossProduct(axes.x);
    return axes;
}

AcGePoint3d bandEnd(const AcGePoint3d& cursor, double pixelSize, const ViewAxes& axes) {
    return cursor + kEndOffsetPixels * pixelSize * (axes.x - axes.y);
}

double bandMarkRadius(double pixelSize) { return kMarkRadiusPixels * pixelSize; }

}  // namespace vexa::ordo
