// vexa-fuzz: calls every function of every plug-in with seeded random argument lists, a random
// user answering whatever opens and a hostile product behind the call-backs, under the
// simulator's audits. A failure prints the seed and a shrunk call that reproduces it.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/common_interface_defs.h>
#endif

#include "fuzz/hostile_product.h"
#include "fuzz/lisp_values.h"
#include "fuzz/random_user.h"
#include "lisp/lisp_error.h"
#include "lisp/utf8.h"
#include "support/function_tables.h"

namespace {

using vexa::fuzz::Value;
using Clock = std::chrono::steady_clock;

constexpr int kCallsPerHost = 25;
constexpr auto kCallTimeLimit = std::chrono::seconds(60);

struct Call {
    std::wstring function;
    std::vector<Value> arguments;
    std::vector<Value> answers;
    std::uint64_t seed = 0;
};

std::string utf8(std::wstring_view text, std::size_t limit = 4000) {
    std::string bytes = vexa::sim::lisp::encodeUtf8(text.substr(0, limit));
    if (text.size() > limit) bytes += " …";
    return bytes;
}

std::uint64_t mix(std::uint64_t seed, std::uint64_t index) {
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * (index + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// What a crash or a hang prints: the call under way.
std::string callUnderWay;
std::atomic<long long> callStarted{0};

void printCallUnderWay() { std::fprintf(stderr, "vexa-fuzz: the call under way:\n%s\n", callUnderWay.c_str()); }

// One fresh host with every plug-in and the hostile product.
class Session {
public:
    explicit Session(const std::string& pluginDir) : user_(host_) {
        host_.documents().newDocument();
        for (const auto& table : vexa::test::tables) host_.loadPlugin(pluginDir + "/" + table.plugin + ".so");
        vexa::fuzz::defineHostileProduct(host_);
        host_.audit().take();
    }
    ~Session() { host_.unloadAllPlugins(); }

    // The faults the call left: errors it raised and what the audits found of the plug-ins.
    std::vector<std::wstring> run(const Call& call) {
        std::vector<std::wstring> failures;
        const std::wstring text = vexa::fuzz::callText(call.function, call.arguments);
        callUnderWay = utf8(text);
        try {
            vexa::fuzz::lineUpAnswers(host_, vexa::fuzz::expression(Value{{}, call.answers, true, false}));
            user_.beginCall(call.seed);
            callStarted = Clock::now().time_since_epoch().count();
            host_.evaluate(text);
        } catch (const vexa::sim::lisp::LispError& error) {
            failures.push_back(L"error: " + error.message());
        }
        callStarted = 0;
        host_.user().clear();
        for (std::wstring& fault : host_.audit().take()) {
            if (!ours(fault)) failures.push_back(std::move(fault));
        }
        return failures;
    }

private:
    // Faults of the random user itself: an act on a control that vanished, or the waits left
    // once it gave up.
    bool ours(const std::wstring& fault) const {
        if (fault.starts_with(L"act \"")) return true;
        if (!user_.gaveUp()) return false;
        return fault.find(L"waited") != std::wstring::npos || fault.find(L"no act") != std::wstring::npos;
    }

    vexa::sim::Host host_;
    vexa::fuzz::RandomUser user_;
};

std::vector<std::wstring> allFunctions() {
    std::vector<std::wstring> names;
    for (const auto& table : vexa::test::tables) names.insert(names.end(), table.names.begin(), table.names.end());
    return names;
}

Call makeCall(const std::vector<std::wstring>& functions, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    vexa::fuzz::ValueMaker maker(random);
    Call call;
    call.function = functions[std::uniform_int_distribution<std::size_t>(0, functions.size() - 1)(random)];
    call.arguments = maker.arguments();
    const int answers = std::uniform_int_distribution<int>(0, 3)(random);
    for (int i = 0; i < answers; ++i) {
        call.answers.push_back(std::bernoulli_distribution(0.15)(random) ? Value{L"fuzz-error", {}, false, false}
                                                                         : maker.value(3));
    }
    call.seed = mix(seed, 0xC0FFEE);
    return call;
}

// The simplest argument list that still fails alone in a fresh host; nullopt when the call
// does not fail alone (it needs what earlier calls left).
std::optional<Call> shrink(Call call, const std::string& pluginDir) {
    if (Session(pluginDir).run(call).empty()) return std::nullopt;
    for (int round = 0; round < 200; ++round) {
        bool simpler = false;
        for (std::vector<Value>& arguments : vexa::fuzz::simplerLists(call.arguments)) {
            Call candidate = call;
            candidate.arguments = std::move(arguments);
            if (!Session(pluginDir).run(candidate).empty()) {
                call = std::move(candidate);
                simpler = true;
                break;
            }
        }
        if (!simpler) break;
    }
    return call;
}

void watchCalls() {
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long long started = callStarted;
        if (started != 0 && Clock::now().time_since_epoch() - Clock::duration(started) > kCallTimeLimit) {
            std::fprintf(stderr, "vexa-fuzz: a call ran longer than %lld s\n",
                         static_cast<long long>(kCallTimeLimit.count()));
            printCallUnderWay();
            std::_Exit(3);
        }
    }
}

struct Options {
    std::uint64_t seed = 1;
    long long calls = 2000;
    double seconds = 0;
    std::string pluginDir = VEXA_PLUGIN_DIR;
};

std::optional<Options> readOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        const char* value = argv[++i];
        if (option == "--seed") options.seed = std::strtoull(value, nullptr, 10);
        else if (option == "--calls") options.calls = std::strtoll(value, nullptr, 10);
        else if (option == "--seconds") options.seconds = std::strtod(value, nullptr);
        else if (option == "--plugins") options.pluginDir = value;
        else return std::nullopt;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    const std::optional<Options> options = readOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: vexa-fuzz [--seed N] [--calls N] [--seconds S] [--plugins DIR]\n"
                     "  N calls (default 2000) from seed N (default 1); with --seconds, stops at S seconds too.\n";
        return 2;
    }
#ifdef __SANITIZE_ADDRESS__
    __sanitizer_set_death_callback(printCallUnderWay);
#endif
    std::thread(watchCalls).detach();
    const std::vector<std::wstring> functions = allFunctions();
    const auto start = Clock::now();
    std::unique_ptr<Session> session;
    long long made = 0;
    for (; made < options->calls; ++made) {
        if (options->seconds > 0 && std::chrono::duration<double>(Clock::now() - start).count() > options->seconds) break;
        if (made % kCallsPerHost == 0) {
            // Hosts nest: the old one goes before the new one becomes current.
            session.reset();
            session = std::make_unique<Session>(options->pluginDir);
        }
        const Call call = makeCall(functions, mix(options->seed, static_cast<std::uint64_t>(made)));
        const std::vector<std::wstring> failures = session->run(call);
        if (failures.empty()) continue;
        std::cout << "vexa-fuzz: seed " << options->seed << ", call " << made << " failed:\n  "
                  << utf8(vexa::fuzz::callText(call.function, call.arguments)) << "\n";
        for (const std::wstring& failure : failures) std::cout << "  " << utf8(failure) << "\n";
        session.reset();
        if (const std::optional<Call> shrunk = shrink(call, options->pluginDir)) {
            std::cout << "shrunk, fails alone in a fresh host:\n  "
                      << utf8(vexa::fuzz::callText(shrunk->function, shrunk->arguments)) << "\n  call-backs answer "
                      << utf8(vexa::fuzz::expression(Value{{}, shrunk->answers, true, false})) << "\n";
        } else {
            std::cout << "it fails only after the calls before it since call "
                      << made / kCallsPerHost * kCallsPerHost << "\n";
        }
        return 1;
    }
    std::cout << "vexa-fuzz: seed " << options->seed << ": " << made << " calls, no fault, "
              << std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count() << " s\n";
    return 0;
}
