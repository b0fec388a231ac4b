#include "hidden_lines.h"

#include <BRepMesh_IncrementalMesh.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <HLRBRep_PolyAlgo.hxx>
#include <HLRBRep_PolyHLRToShape.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include "acad/hlrapi.h"
#include "curve_entities.h"

namespace vexa::hlr {

namespace {

// Isolines per face direction when kIsolines asks for them.
constexpr int kIsolineCount = 4;
// The polygonal algorithm's mesh, as a share of the part's size.
constexpr double kMeshDeflection = 0.002;

// The view's axes: X to the right and Y up, with world Z up, or world Y up for a view along Z.
gp_Ax2 viewFrame(const AcGePoint3d& target, const AcGeVector3d& direction) {
    const gp_Dir eye(direction.x, direction.y, direction.z);
    const gp_Dir right = std::abs(eye.Z()) > 1.0 - 1e-9 ? gp::DX() : gp_Dir(gp::DZ().Crossed(eye));
    return gp_Ax2(gp_Pnt(target.x, target.y, target.z), eye, right);
}

void addEdges(const TopoDS_Shape& compound, int visibility, std::vector<ViewCurve>& curves) {
    if (compound.IsNull()) return;
    for (TopExp_Explorer edges(compound, TopAbs_EDGE); edges.More(); edges.Next()) {
        if (AcDbEntity* entity = entityOfEdge(TopoDS::Edge(edges.Current()))) curves.push_back({entity, visibility});
    }
}

// The polygonal algorithm gives one straight edge per mesh segment: segments that meet end to
// end become one polyline, as the curve they stand for was one.
void addSegmentChains(const TopoDS_Shape& compound, int visibility, std::vector<ViewCurve>& curves) {
    if (compound.IsNull()) return;
    std::vector<Segment> segments;
    for (TopExp_Explorer edges(compound, TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        Segment segment;
        if (straightSegment(edge, segment)) segments.push_back(segment);
        else if (AcDbEntity* entity = entityOfEdge(edge)) curves.push_back({entity, visibility});
    }
    for (AcDbEntity* entity : entitiesOfSegmentChains(segments)) curves.push_back({entity, visibility});
}

// Both extractors name their compounds alike; the exact one alone has isolines.
template <typename Extractor>
void collect(Extractor& extract, short flags, std::vector<ViewCurve>& curves) {
    constexpr bool exact = std::is_same_v<Extractor, HLRBRep_HLRToShape>;
    const auto addEdges = exact ? &vexa::hlr::addEdges : &addSegmentChains;
    const bool hidden = (flags & kShowAll) != 0;
    addEdges(extract.VCompound(), kVisibleSharp, curves);
    if (hidden) addEdges(extract.HCompound(), kHiddenSharp, curves);
    addEdges(extract.OutLineVCompound(), kVisibleOutline, curves);
    if (hidden) addEdges(extract.OutLineHCompound(), kHiddenOutline, curves);
    if ((flags & kHideTangents) == 0) {
        addEdges(extract.Rg1LineVCompound(), kVisibleSmooth, curves);
        if (hidden) addEdges(extract.Rg1LineHCompound(), kHiddenSmooth, curves);
    }
    addEdges(extract.RgNLineVCompound(), kVisibleSeam, curves);
    if (hidden) addEdges(extract.RgNLineHCompound(), kHiddenSeam, curves);
    if constexpr (exact) {
        if ((flags & kIsolines) != 0) {
            addEdges(extract.IsoLineVCompound(), kVisibleIsoline, curves);
            if (hidden) addEdges(extract.IsoLineHCompound(), kHiddenIsoline, curves);
        }
    }
}

void exactRemoval(const TopoDS_Shape& shape, const HLRAlgo_Projector& projector, short flags,
                  std::vector<ViewCurve>& curves) {
    Handle(HLRBRep_Algo) algo = new HLRBRep_Algo();
    algo->Add(shape, (flags & kIsolines) != 0 ? kIsolineCount : 0);
    algo->Projector(projector);
    algo->Update();
    algo->Hide();
    HLRBRep_HLRToShape extract(algo);
    collect(extract, flags, curves);
}

void polygonalRemoval(const TopoDS_Shape& shape, double size, const HLRAlgo_Projector& projector, short flags,
                      std::vector<ViewCurve>& curves) {
    // A shape meshed as finely before is not meshed again.
    BRepMesh_IncrementalMesh mesh(shape, kMeshDeflection * size);
    Handle(HLRBRep_PolyAlgo) algo = new HLRBRep_PolyAlgo(shape);
    algo->Projector(projector);
    algo->Update();
    HLRBRep_PolyHLRToShape extract;
    extract.Update(algo);
    collect(extract, flags, curves);
}

}  // namespace

std::vector<ViewCurve> removeHiddenLines(const TopoDS_Shape& shape, double size, const AcGePoint3d& target,
                                         const AcGeVector3d& direction, short flags) {
    std::vector<ViewCurve> curves;
    if (shape.IsNull() || !(direction.length() > 0.0)) return curves;
    const HLRAlgo_Projector projector(viewFrame(target, direction));
    try {
        if ((flags & kMeshSilhouettes) != 0) polygonalRemoval(shape, size, projector, flags, curves);
        else exactRemoval(shape, projector, flags, curves);
    } catch (const Standard_Failure&) {
        // A shape the algorithm cannot handle gives what was made before the failure.
    }
    return curves;
}

}  // namespace vexa::hlr
