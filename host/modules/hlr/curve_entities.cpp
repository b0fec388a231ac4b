#include "curve_entities.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <Geom_BSplineCurve.hxx>
#include <TopoDS_Edge.hxx>

#include <cmath>
#include <numbers>

#include "acad/dbcurves.h"

namespace vexa::hlr {

namespace {

constexpr double kTolerance = 1e-9;
// How far a polyline may stray from the curve it stands for, as a share of the curve's length.
constexpr double kPolylineDeflection = 1e-3;

AcGePoint3d flat(const gp_Pnt& p) { return {p.X(), p.Y(), 0.0}; }

bool fullTurn(const BRepAdaptor_Curve& curve) {
    return std::abs(curve.LastParameter() - curve.FirstParameter() - 2 * std::numbers::pi) < 1e-7;
}

double angleAround(const gp_Pnt& centre, const gp_Pnt& point) {
    return std::atan2(point.Y() - centre.Y(), point.X() - centre.X());
}

AcDbEntity* circleOrArc(const BRepAdaptor_Curve& curve) {
    const gp_Circ circle = curve.Circle();
    const gp_Pnt centre = circle.Location();
    if (fullTurn(curve)) return new AcDbCircle(flat(centre), circle.Radius());
    const double first = angleAround(centre, curve.Value(curve.FirstParameter()));
    const double last = angleAround(centre, curve.Value(curve.LastParameter()));
    // Arcs run counter-clockwise; a circle seen from behind runs the other way.
    const bool counterClockwise = circle.Axis().Direction().Z() > 0.0;
    return new AcDbArc(flat(centre), circle.Radius(), counterClockwise ? first : last, counterClockwise ? last : first);
}

AcDbEntity* ellipse(const BRepAdaptor_Curve& curve) {
    const gp_Elips ellipse = curve.Ellipse();
    const gp_Dir normal = ellipse.Axis().Direction();
    const gp_Dir major = ellipse.XAxis().Direction();
    const double radius = ellipse.MajorRadius();
    const bool full = fullTurn(curve);
    return new AcDbEllipse(flat(ellipse.Location()), {0.0, 0.0, normal.Z() > 0.0 ? 1.0 : -1.0},
                           {major.X() * radius, major.Y() * radius, 0.0}, ellipse.MinorRadius() / radius,
                           full ? 0.0 : curve.FirstParameter(), full ? 2 * std::numbers::pi : curve.LastParameter());
}

AcDbEntity* spline(const BRepAdaptor_Curve& curve) {
    Handle(Geom_BSplineCurve) bspline = curve.BSpline();
    if (curve.FirstParameter() > bspline->FirstParameter() + kTolerance ||
        curve.LastParameter() < bspline->LastParameter() - kTolerance) {
        bspline = Handle(Geom_BSplineCurve)::DownCast(bspline->Copy());
        bspline->Segment(curve.FirstParameter(), curve.LastParameter());
    }
    std::vector<AcGePoint3d> points;
    std::vector<double> weights;
    for (int i = 1; i <= bspline->NbPoles(); ++i) {
        points.push_back(flat(bspline->Pole(i)));
        if (bspline->IsRational()) weights.push_back(bspline->Weight(i));
    }
    std::vector<double> knots;
    for (int i = 1; i <= bspline->NbKnots(); ++i) {
        for (int m = 0; m < bspline->Multiplicity(i); ++m) knots.push_back(bspline->Knot(i));
    }
    return new AcDbSpline(bspline->Degree(), std::move(points), std::move(knots), std::move(weights));
}

AcDbEntity* polyline(const BRepAdaptor_Curve& curve) {
    const double length = curve.Value(curve.FirstParameter()).Distance(curve.Value(curve.LastParameter()));
    GCPnts_QuasiUniformDeflection samples(curve, std::max(length, 1.0) * kPolylineDeflection);
    if (!samples.IsDone() || samples.NbPoints() < 2) return nullptr;
    auto* entity = new AcDbPolyline;
    for (int i = 1; i <= samples.NbPoints(); ++i) {
        entity->addVertexAt(entity->numVerts(), samples.Value(i).X(), samples.Value(i).Y());
    }
    return entity;
}

}  // namespace

AcDbEntity* entityOfEdge(const TopoDS_Edge& edge) {
    if (BRep_Tool::Degenerated(edge)) return nullptr;
    const BRepAdaptor_Curve curve(edge);
    const gp_Pnt start = curve.Value(curve.FirstParameter());
    const gp_Pnt end = curve.Value(curve.LastParameter());
    switch (curve.GetType()) {
        case GeomAbs_Line:
            if (start.Distance(end) < kTolerance) return nullptr;
            return new AcDbLine(flat(start), flat(end));
        case GeomAbs_Circle: return circleOrArc(curve);
        case GeomAbs_Ellipse: return ellipse(curve);
        case GeomAbs_BSplineCurve: return spline(curve);
        default: return polyline(curve);
    }
}

}  // namespace vexa::hlr
