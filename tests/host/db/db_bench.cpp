// tblsearch in a drawing of 20,000 layers: the layer manager's drawings hold that many.
#include <benchmark/benchmark.h>

#include "lisp/reader.h"
#include "sim/host.h"

namespace {

void tblsearchAmongTwentyThousandLayers(benchmark::State& state) {
    vexa::sim::Host host;
    vexa::sim::Document& drawing = host.documents().newDocument();
    host.evaluate(L"(setq i 0) (repeat 20000 (entmake (list '(0 . \"LAYER\") (cons 2 (strcat \"L\" (itoa (setq i (1+ i))))))))");
    // Read once, so the loop measures the lookup rather than the reader.
    const auto form = vexa::sim::lisp::readAll(L"(tblsearch \"LAYER\" \"l19999\")").front();
    for (auto _ : state) benchmark::DoNotOptimize(drawing.lisp().evaluate(form));
}
BENCHMARK(tblsearchAmongTwentyThousandLayers);

}  // namespace

BENCHMARK_MAIN();
