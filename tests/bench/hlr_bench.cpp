// Views from a solid: "Vexa-Hlr" from the AutoLISP call to curves in model space, against Open
// CASCADE's hidden-line removal called bare on the same shape and direction, exact and polygonal.
#include <benchmark/benchmark.h>

#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <Bnd_Box.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <HLRBRep_PolyAlgo.hxx>
#include <HLRBRep_PolyHLRToShape.hxx>

#include "lisp/reader.h"
#include "sim/host.h"
#include "sim/solids/body.h"
#include "sim/solids/modeller.h"
#include "sim/solids/solid_commands.h"

namespace {

constexpr const char* kParts = "/usr/share/opencascade/data/step/";

struct View {
    const char* part;
    double x, y, z;
};
constexpr View kViews[] = {{"screw.step", 0, -1, 0}, {"screw.step", 1, -1, 1},
                           {"linkrods.step", 0, -1, 0}, {"linkrods.step", 1, -1, 1}};

const View& viewOf(const benchmark::State& state) { return kViews[state.range(0)]; }

std::wstring wide(const std::string& text) { return {text.begin(), text.end()}; }

// The flags as the product passes them: hidden edges too (2), and 16384 for the polygonal mode.
void vexaHlr(benchmark::State& state, short flags) {
    const View& view = viewOf(state);
    vexa::sim::Host host;
    host.documents().newDocument();
    vexa::sim::solids::registerSolidCommands(host.commands());
    host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/Vexa3D.so");
    host.evaluate(L"(command \"IMPORT\" \"" + wide(std::string(kParts) + view.part) + L"\") (setq part (entlast))");
    const auto call = vexa::sim::lisp::readAll(L"(Vexa-Hlr part '(0.0 0.0 0.0) '(" + std::to_wstring(view.x) + L" " +
                                               std::to_wstring(view.y) + L" " + std::to_wstring(view.z) + L") " +
                                               std::to_wstring(flags) + L")")
                          .front();
    auto& lisp = host.documents().current()->lisp();
    for (auto _ : state) benchmark::DoNotOptimize(lisp.evaluate(call));
    state.SetLabel(view.part);
}

TopoDS_Shape partShape(const View& view) {
    return vexa::sim::solids::importPart(std::string(kParts) + view.part)->body->shape();
}

// As a CAD program on the library would project: the same frame, every class of edge extracted.
HLRAlgo_Projector projectorOf(const View& view) {
    const gp_Dir eye(view.x, view.y, view.z);
    const gp_Dir right = std::abs(eye.Z()) > 1.0 - 1e-9 ? gp::DX() : gp_Dir(gp::DZ().Crossed(eye));
    return HLRAlgo_Projector(gp_Ax2(gp::Origin(), eye, right));
}

template <typename Extractor>
void extractAll(Extractor& extract) {
    for (const TopoDS_Shape& compound : {extract.VCompound(), extract.HCompound(), extract.OutLineVCompound(),
                                         extract.OutLineHCompound(), extract.Rg1LineVCompound(), extract.Rg1LineHCompound(),
                                         extract.RgNLineVCompound(), extract.RgNLineHCompound()}) {
        benchmark::DoNotOptimize(compound);
    }
}

void bareExact(benchmark::State& state) {
    const TopoDS_Shape shape = partShape(viewOf(state));
    for (auto _ : state) {
        Handle(HLRBRep_Algo) algo = new HLRBRep_Algo();
        algo->Add(shape, 0);
        algo->Projector(projectorOf(viewOf(state)));
        algo->Update();
        algo->Hide();
        HLRBRep_HLRToShape extract(algo);
        extractAll(extract);
    }
    state.SetLabel(viewOf(state).part);
}

void barePolygonal(benchmark::State& state) {
    const TopoDS_Shape shape = partShape(viewOf(state));
    Bnd_Box box;
    BRepBndLib::Add(shape, box, false);  // the exact geometry: the same size before and after meshing
    for (auto _ : state) {
        BRepMesh_IncrementalMesh mesh(shape, 0.002 * std::sqrt(box.SquareExtent()));
        Handle(HLRBRep_PolyAlgo) algo = new HLRBRep_PolyAlgo(shape);
        algo->Projector(projectorOf(viewOf(state)));
        algo->Update();
        HLRBRep_PolyHLRToShape extract;
        extract.Update(algo);
        extractAll(extract);
    }
    state.SetLabel(viewOf(state).part);
}

void vexaExact(benchmark::State& state) { vexaHlr(state, 2); }
void vexaPolygonal(benchmark::State& state) { vexaHlr(state, 2 | 16384); }

// Arguments: 0 screw front, 1 screw iso, 2 linkrods front, 3 linkrods iso.
BENCHMARK(vexaExact)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(bareExact)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(vexaPolygonal)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(barePolygonal)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
