// Opening and saving a drawing of 100,000 entities written by ezdxf: our reader and writer
// against ezdxf reading and writing the same file in the same run (its own clock, so Python's
// start-up is not counted).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dxf/drawing_reader.h"
#include "dxf/drawing_writer.h"

namespace {

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "vexa-dxf-bench";
const std::filesystem::path kDrawing = kFolder / "drawing.dxf";

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void makeDrawing() {
    std::filesystem::create_directories(kFolder);
    const std::string command = "/usr/bin/python3 " VEXA_DXF_TESTS "/make_drawing.py " + kDrawing.string() + " 100000";
    if (std::system(command.c_str()) != 0) std::abort();
}

void BM_VexaOpenSave(benchmark::State& state) {
    const std::string text = readBytes(kDrawing);
    for (auto _ : state) {
        vexa::sim::db::Database database;
        vexa::sim::dxf::ReadDrawing drawing = vexa::sim::dxf::readDrawing(text, database);
        const std::string saved = vexa::sim::dxf::writeDrawing(database, drawing.source, drawing.currentLayer);
        std::ofstream(kFolder / "vexa.dxf", std::ios::binary) << saved;
        benchmark::DoNotOptimize(saved.size());
    }
    state.counters["entities"] = 100000;
}

// ezdxf times itself; the benchmark takes that time as the iteration's.
void BM_EzdxfOpenSave(benchmark::State& state) {
    const std::string command = "/usr/bin/python3 -c \"import time, ezdxf; t = time.perf_counter(); d = ezdxf.readfile('" +
                                kDrawing.string() + "'); d.saveas('" + (kFolder / "ezdxf.dxf").string() +
                                "'); print(time.perf_counter() - t)\"";
    for (auto _ : state) {
        FILE* pipe = popen(command.c_str(), "r");
        double seconds = 0.0;
        if (pipe == nullptr || std::fscanf(pipe, "%lf", &seconds) != 1) state.SkipWithError("ezdxf did not run");
        if (pipe != nullptr) pclose(pipe);
        state.SetIterationTime(seconds);
    }
}

}  // namespace

int main(int argc, char** argv) {
    makeDrawing();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("vexa_open_save_100k", BM_VexaOpenSave)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("ezdxf_open_save_100k", BM_EzdxfOpenSave)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(kFolder);
    return 0;
}
