#include "curve_entities.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <Geom_BSplineCurve.hxx>
#include <TopoDS_Edge.hxx>

#include <cmath>
#include <deque>
#include <map>
#include <optional>
#include <numbers>

#include "acad/dbcurves.h"

namespace vexa::hlr {

namespace {

constexpr double kTolerance = 1e-9;
// Segments of the polygonal algorithm share their ends up to rounding.
constexpr double kChainTolerance = 1e-6;
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

bool straightSegment(const TopoDS_Edge& edge, Segment& segment) {
    if (BRep_Tool::Degenerated(edge)) return false;
    const BRepAdaptor_Curve curve(edge);
    if (curve.GetType() != GeomAbs_Line) return false;
    segment = {flat(curve.Value(curve.FirstParameter())), flat(curve.Value(curve.LastParameter()))};
    return true;
}

namespace {

// Ends that meet share a key: coordinates rounded to the chaining tolerance.
std::pair<long long, long long> keyOf(const AcGePoint3d& point) {
    return {std::llround(point.x / kChainTolerance), std::llround(point.y / kChainTolerance)};
}

}  // namespace

std::vector<AcDbEntity*> entitiesOfSegmentChains(const std::vector<Segment>& segments) {
    std::map<std::pair<long long, long long>, std::vector<std::size_t>> ends;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        ends[keyOf(segments[i].start)].push_back(i);
        ends[keyOf(segments[i].end)].push_back(i);
    }
    std::vector<bool> used(segments.size(), false);
    // The unused segment at a point, other than the one arrived by.
    auto next = [&](const AcGePoint3d& at) -> std::optional<std::size_t> {
        for (std::size_t candidate : ends[keyOf(at)]) {
            if (!used[candidate]) return candidate;
        }
        return std::nullopt;
    };
    auto grow = [&](std::deque<AcGePoint3d>& chain, bool forwards) {
        for (;;) {
            const AcGePoint3d& tip = forwards ? chain.back() : chain.front();
            const std::optional<std::size_t> found = next(tip);
            if (!found) return;
            used[*found] = true;
            const Segment& segment = segments[*found];
            const AcGePoint3d& far = keyOf(segment.start) == keyOf(tip) ? segment.end : segment.start;
            if (forwards) chain.push_back(far);
            else chain.push_front(far);
        }
    };
    std::vector<AcDbEntity*> entities;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (used[i]) continue;
        used[i] = true;
        std::deque<AcGePoint3d> chain{segments[i].start, segments[i].end};
        grow(chain, true);
        grow(chain, false);
        if (chain.size() == 2) {
            entities.push_back(new AcDbLine(chain.front(), chain.back()));
            continue;
        }
        auto* polyline = new AcDbPolyline;
        const bool closed = keyOf(chain.front()) == keyOf(chain.back());
        if (closed) chain.pop_back();
        for (const AcGePoint3d& point : chain) polyline->addVertexAt(polyline->numVerts(), point.x, point.y);
        polyline->setClosed(closed);
        entities.push_back(polyline);
    }
    return entities;
}

}  // namespace vexa::hlr
