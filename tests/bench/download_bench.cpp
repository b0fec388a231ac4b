// Where the user waits for a file: "Vexa-GetRemoteFile" over 200 MB from a loopback server and
// the curl command-line tool on the same file, and how far past its limit a cancelled download
// returns.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "lisp/printer.h"
#include "sim/host.h"
#include "support/loopback_server.h"

namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t fileBytes = 200ull << 20;
constexpr int cancelLimitMilliseconds = 200;

vexa::test::LoopbackServer& server() {
    static const std::unique_ptr<vexa::test::LoopbackServer> running = [] {
        auto started = std::make_unique<vexa::test::LoopbackServer>();
        started->serveGenerated("/big.bin", fileBytes);
        vexa::test::LoopbackServer& self = *started;
        started->routes().Get("/trickle", [&self](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider("application/zip", [&self](std::size_t, httplib::DataSink& sink) {
                for (int chunk = 0; chunk < 500 && self.pause(20ms); ++chunk) {
                    if (!sink.write("0123456789", 10)) return false;
                }
                sink.done();
                return true;
            });
        });
        started->start();
        return started;
    }();
    return *running;
}

class LoadedHost {
public:
    LoadedHost() {
        host.documents().newDocument();
        host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/VexaKito.so");
        std::filesystem::create_directories(*host.drives().toHost(L"C:\\Vexa"));
    }
    std::wstring get(std::string_view path, int limit) {
        return vexa::sim::lisp::print(host.evaluate(L"(Vexa-GetRemoteFile \"" + server().wideUrl(path) +
                                                    L"\" \"C:\\\\Vexa\\\\big.bin\" " + std::to_wstring(limit) + L")"),
                                      true);
    }
    vexa::sim::Host host;
};

double secondsOf(const std::function<bool()>& run, benchmark::State& state, const char* failure) {
    const auto start = std::chrono::steady_clock::now();
    if (!run()) state.SkipWithError(failure);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The two downloads take turns, each going first every other time, so that the machine's load
// and the writing back of the previous file fall on both alike.
void getRemoteFileAgainstCurlOf200MB(benchmark::State& state) {
    LoadedHost loaded;
    const std::string command = "curl -s -f -o '" + loaded.host.drives().toHost(L"C:\\Vexa\\curl.bin")->string() +
                                "' '" + server().url("/big.bin") + "'";
    double vexaSeconds = 0;
    double curlSeconds = 0;
    bool vexaFirst = true;
    for (auto _ : state) {
        const auto vexa = [&] {
            vexaSeconds += secondsOf([&] { return loaded.get("/big.bin", 32767) != L"nil"; }, state, "the download failed");
        };
        const auto curl = [&] {
            curlSeconds += secondsOf([&] { return std::system(command.c_str()) == 0; }, state, "curl failed");
        };
        if (vexaFirst) {
            vexa();
            curl();
        } else {
            curl();
            vexa();
        }
        vexaFirst = !vexaFirst;
    }
    const double megabytes = static_cast<double>(state.iterations() * fileBytes) / (1 << 20);
    state.counters["vexa_MB_per_s"] = megabytes / vexaSeconds;
    state.counters["curl_MB_per_s"] = megabytes / curlSeconds;
    state.counters["ratio"] = curlSeconds / vexaSeconds;
}
BENCHMARK(getRemoteFileAgainstCurlOf200MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

void cancelledDownloadPastItsLimit(benchmark::State& state) {
    LoadedHost loaded;
    double pastLimit = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (loaded.get("/trickle", cancelLimitMilliseconds) != L"nil") state.SkipWithError("not cancelled");
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        pastLimit += took.count() - cancelLimitMilliseconds;
    }
    state.counters["past_limit_ms"] = benchmark::Counter(pastLimit, benchmark::Counter::kAvgIterations);
}
BENCHMARK(cancelledDownloadPastItsLimit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
