// Where the user waits or the cursor moves: the layer manager over 20,000 main layers, a purge
// of 1,000 of them, and the layer tooltip over 1,000 objects on 200 layers.
#include <benchmark/benchmark.h>

#include "lisp/reader.h"
#include "ordo/layers/layer_manager_resource.h"
#include "sim/host.h"

namespace {

using vexa::sim::win::DialogAct;

class LoadedHost {
public:
    LoadedHost() {
        host.documents().newDocument();
        host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/VexaOrdo.so");
    }
    vexa::sim::Host host;
};

std::wstring layerNames(int count) {
    std::wstring names;
    for (int i = count; i > 0; --i) names += L" \"L" + std::to_wstring(100000 + i) + L"\"";
    return names;
}

void layerManagerOverTwentyThousandLayers(benchmark::State& state) {
    LoadedHost loaded;
    const auto call = vexa::sim::lisp::readAll(L"(Vexa-dxOrdoMan '(0 (20000" + layerNames(20000) +
                                               L")) '(1 \"L110000\"))").front();
    auto& lisp = loaded.host.documents().current()->lisp();
    for (auto _ : state) {
        loaded.host.user().queue(DialogAct::select(IDC_MAN_LIST, L"L119999"));
        loaded.host.user().queue(DialogAct::click(IDOK));
        benchmark::DoNotOptimize(lisp.evaluate(call));
    }
}
BENCHMARK(layerManagerOverTwentyThousandLayers)->Unit(benchmark::kMillisecond);

void purgeOfAThousandNames(benchmark::State& state) {
    LoadedHost loaded;
    std::wstring purged;
    for (int i = 1; i <= 1000; ++i) purged += L" \"L" + std::to_wstring(100000 + i * 20) + L"\"";
    loaded.host.evaluate(L"(defun c:Vexa-Layer-Purge () '(" + purged + L"))");
    const auto call = vexa::sim::lisp::readAll(L"(Vexa-dxOrdoMan '(0 (20000" + layerNames(20000) +
                                               L")) '(1 \"L100020\"))").front();
    auto& lisp = loaded.host.documents().current()->lisp();
    for (auto _ : state) {
        loaded.host.user().queue(DialogAct::click(IDC_MAN_PURGE));
        loaded.host.user().queue(DialogAct::click(IDOK));
        benchmark::DoNotOptimize(lisp.evaluate(call));
    }
}
BENCHMARK(purgeOfAThousandNames)->Unit(benchmark::kMillisecond);

void tooltipOverAThousandObjects(benchmark::State& state) {
    LoadedHost loaded;
    loaded.host.evaluate(LR"(
        (setq i 0)
        (repeat 1000
          (entmake (list '(0 . "LINE") (cons 8 (strcat "LAYER" (itoa (rem i 200))))
                         '(10 -0.05 -0.05 0.0) '(11 0.05 0.05 0.0)))
          (setq i (1+ i)))
        (Vexa-selLayToolTip "Layer: " "layers: "))");
    for (auto _ : state) loaded.host.cursor().moveTo({0.0, 0.0, 0.0});
    loaded.host.evaluate(L"(Vexa-selLayToolTip)");
}
BENCHMARK(tooltipOverAThousandObjects)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
