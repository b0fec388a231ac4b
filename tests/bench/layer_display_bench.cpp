// The live preview of locked layers at each slider step, against the host's own work for the
// same step (the variable, the material and REDRAW called directly), and the opening of the
// main settings dialog over many layer names.
#include <benchmark/benchmark.h>

#include <numeric>

#include "acad/aced.h"
#include "acad/dbmaterial.h"
#include "lisp/reader.h"
#include "sim/host.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

constexpr const wchar_t* makeJelly =
    L"(dictadd (cdr (assoc -1 (dictsearch (namedobjdict) \"ACAD_MATERIAL\"))) \"Vexa-JELLYORDO\""
    L" (entmakex '((0 . \"MATERIAL\") (1 . \"Vexa-JELLYORDO\") (140 . 0.3))))";

class LoadedHost {
public:
    LoadedHost() {
        host.documents().newDocument();
        host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/VexaOrdo.so");
        host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/VexaKito.so");
        host.evaluate(makeJelly);
    }
    vexa::sim::Host host;
};

// The whole range up and down again: every position is a new value.
std::vector<int> throughTheRange(int maximum) {
    std::vector<int> positions(static_cast<std::size_t>(maximum) + 1);
    std::iota(positions.begin(), positions.end(), 0);
    for (int p = maximum - 1; p >= 0; --p) positions.push_back(p);
    return positions;
}

// Drags both sliders of the open dialog through their ranges in each iteration.
void dragInDialog(benchmark::State& state, LoadedHost& loaded, const std::wstring& call) {
    const std::vector<int> fading = throughTheRange(90);
    const std::vector<int> opacity = throughTheRange(100);
    std::int64_t steps = 0;
    loaded.host.user().queue(DialogAct::query([&](DialogView& dialog) {
        for (auto _ : state) {
            vexa::sim::win::performAct(loaded.host.windows(), dialog.handle(), DialogAct::drag(131, fading));
            vexa::sim::win::performAct(loaded.host.windows(), dialog.handle(), DialogAct::drag(133, opacity));
            steps += static_cast<std::int64_t>(fading.size() + opacity.size());
        }
    }));
    loaded.host.user().queue(DialogAct::click(1));
    loaded.host.evaluate(call);
    state.counters["per_step"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void lockedLayersDialogSliderSteps(benchmark::State& state) {
    LoadedHost loaded;
    dragInDialog(state, loaded, L"(Vexa-dxOrdoSet2 \"Locked\" \"Fading\" \"Opacity\" \"OK\" \"Cancel\")");
}
BENCHMARK(lockedLayersDialogSliderSteps)->Unit(benchmark::kMillisecond);

std::wstring settingsCall(int names) {
    std::wstring call = L"(Vexa-mainSettings '(\"Default\" \"ByLayer\" \"Sub\" \"^\" (";
    for (int i = 0; i < names; ++i) call += L" \"L" + std::to_wstring(100000 + i) + (i % 3 == 0 ? L"^HID\"" : L"\"");
    return call + L")) '(nil (\"^\")) '(\"L110000\" (195 1) nil) '(nil nil nil) '(nil nil nil)"
                  L" \"S\" \"0\" \"1\" \"2\" \"3\" \"OK\" \"Cancel\" \"F\" \"O\" \"Y\" nil nil nil nil \"L\" \"C\" \"T\")";
}

void mainSettingsSliderSteps(benchmark::State& state) {
    LoadedHost loaded;
    dragInDialog(state, loaded, settingsCall(3));
}
BENCHMARK(mainSettingsSliderSteps)->Unit(benchmark::kMillisecond);

// The peer: the same host work per step without a dialog, the variable and the material written
// and REDRAW run directly.
void hostWorkPerStep(benchmark::State& state) {
    LoadedHost loaded;
    const std::vector<int> fading = throughTheRange(90);
    const std::vector<int> opacity = throughTheRange(100);
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    std::int64_t steps = 0;
    for (auto _ : state) {
        for (int value : fading) {
            resbuf rb{};
            rb.restype = RTSHORT;
            rb.resval.rint = static_cast<short>(value);
            acedSetVar(L"LayLockFadeCTL", &rb);
        }
        for (int value : opacity) {
            AcDbDictionary* materials = nullptr;
            database->getMaterialDictionary(materials, AcDb::kForRead);
            AcDbObjectId id;
            materials->getAt(L"Vexa-JELLYORDO", id);
            materials->close();
            AcDbMaterial* material = nullptr;
            acdbOpenObject(material, id, AcDb::kForWrite);
            material->setOpacity(value / 100.0, AcGiMaterialMap());
            material->close();
            acedCommand(RTSTR, L"REDRAW", RTNONE);
        }
        steps += static_cast<std::int64_t>(fading.size() + opacity.size());
    }
    state.counters["per_step"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(hostWorkPerStep)->Unit(benchmark::kMillisecond);

void mainSettingsOpening(benchmark::State& state) {
    LoadedHost loaded;
    const auto call = vexa::sim::lisp::readAll(settingsCall(static_cast<int>(state.range(0)))).front();
    auto& lisp = loaded.host.documents().current()->lisp();
    for (auto _ : state) {
        loaded.host.user().queue(DialogAct::click(1));
        benchmark::DoNotOptimize(lisp.evaluate(call));
    }
}
BENCHMARK(mainSettingsOpening)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
