// The live dimensioning aids at every cursor move: "Vexa-adjDimTxt" over 200 annotations
// (rotated and aligned dimensions, texts, leaders) with and without a change of height, the host's
// own cost of the same moves without a monitor, and "Vexa-dynSymEnt".
#include <benchmark/benchmark.h>

#include "acad/dbdim.h"
#include "acad/dblead.h"
#include "acad/dbtext.h"
#include "frame/model_space.h"
#include "sim/host.h"

namespace {

constexpr int kAnnotations = 200;

class LoadedHost {
public:
    LoadedHost() {
        host.documents().newDocument();
        host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/VexaDim.so");
        host.editor().viewports().setView(2, {0.0, 0.0}, 4.0);
    }
    std::wstring handle(AcDbEntity* entity) {
        AcDbObjectId id;
        vexa::frame::appendToModelSpace(entity, id);
        return L"(handent \"" + vexa::sim::db::Database::handleOf(id.asOldId()) + L"\")";
    }
    // 50 of each kind, spread over the view; the records as the call lists them.
    std::wstring annotations() {
        std::wstring records;
        for (int i = 0; i < kAnnotations / 4; ++i) {
            const double y = -100.0 + i * 4.0;
            records += L" (list 1 " + handle(new AcDbRotatedDimension(0.0, {-50, y, 0}, {-40, y, 0}, {-50, y + 2, 0})) +
                       L" 1.0 '(0.0 1.0 0.0) 2.0 '(-50.0 " + std::to_wstring(y + 2) + L" 0.0))";
            records += L" (list 0 " + handle(new AcDbAlignedDimension({-20, y, 0}, {-10, y + 1, 0}, {-20, y + 2, 0})) + L")";
            records += L" (list 4 " + handle(new AcDbText({10, y, 0}, L"Note", 2.5)) + L")";
            auto* leader = new AcDbLeader;
            leader->appendVertex({40, y, 0});
            leader->appendVertex({45, y + 2, 0});
            records += L" (list 2 " + handle(leader) + L")";
        }
        return records;
    }
    vexa::sim::Host host;
};

// Runs the benchmark's loop at the prompt the call waits at, then presses ESC.
void whileWaiting(LoadedHost& loaded, const std::wstring& call, std::function<void()> loop) {
    loaded.host.user().queue(vexa::sim::PromptAnswer::window(L"moves", [&](vexa::sim::Host&) { loop(); }));
    loaded.host.user().queue(vexa::sim::PromptAnswer::escape());
    loaded.host.evaluate(call);
}

void adjDimTxtMoves(benchmark::State& state, bool heightChanges) {
    LoadedHost loaded;
    const std::wstring call = L"(Vexa-adjDimTxt \"Height: \" '(0.0 0.0 0.0) 2.5 (list" + loaded.annotations() + L"))";
    whileWaiting(loaded, call, [&] {
        int step = 0;
        for (auto _ : state) {
            ++step;
            const double x = heightChanges ? 10.0 + (step & 1) : 10.0;
            loaded.host.cursor().moveTo({x, 50.0 + (step & 1), 0.0});
        }
    });
}
void adjDimTxtMoveWithoutHeightChange(benchmark::State& state) { adjDimTxtMoves(state, false); }
void adjDimTxtMoveWithHeightChange(benchmark::State& state) { adjDimTxtMoves(state, true); }
BENCHMARK(adjDimTxtMoveWithoutHeightChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(adjDimTxtMoveWithHeightChange)->Unit(benchmark::kMicrosecond);

// The host's part: the same drawing with the copies, no monitor attached.
void hostMoveOverTheSameDrawing(benchmark::State& state) {
    LoadedHost loaded;
    loaded.annotations();
    loaded.annotations();
    int step = 0;
    for (auto _ : state) {
        ++step;
        loaded.host.cursor().moveTo({10.0 + (step & 1), 50.0 + (step & 1), 0.0});
    }
}
BENCHMARK(hostMoveOverTheSameDrawing)->Unit(benchmark::kMicrosecond);

void dynSymEntMove(benchmark::State& state) {
    LoadedHost loaded;
    const std::wstring line = loaded.handle(new AcDbLine({0, 0, 0}, {10, 0, 0}));
    whileWaiting(loaded, L"(Vexa-dynSymEnt " + line + L" \"End: \")", [&] {
        int step = 0;
        for (auto _ : state) {
            ++step;
            loaded.host.cursor().moveTo({12.0 + (step & 1), 1.0, 0.0});
        }
    });
}
BENCHMARK(dynSymEntMove)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
