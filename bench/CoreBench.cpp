// Timings of the core paths a user waits for: the catalogue scan at start-up, a controller
// click, walking all pages, and a build. Run: build/bin/pramlet-bench (from the build tree,
// so that the bundled devices lie beside it).

#include "config/Project.h"
#include "generator/BuildApp.h"
#include "tests/support/RecordingDialogs.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace pramlet;

std::string devicesDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
}

void CatalogueScan(benchmark::State& state) {
    for (auto _ : state) {
        RecordingDialogs dialogs;
        Project p(dialogs);
        p.start(devicesDir(), {});
        benchmark::DoNotOptimize(p.catalogue().CPUList().size());
    }
}
BENCHMARK(CatalogueScan)->Unit(benchmark::kMillisecond);

void ControllerClick(benchmark::State& state) {
    RecordingDialogs dialogs;
    Project p(dialogs);
    p.start(devicesDir(), {});
    bool flip = false;
    for (auto _ : state) {
        // Alternate so that every click reads a new file.
        p.clickControllerByName(flip ? "mega128" : "tiny13");
        flip = !flip;
    }
}
BENCHMARK(ControllerClick)->Unit(benchmark::kMicrosecond);

void WalkAllPages(benchmark::State& state) {
    RecordingDialogs dialogs;
    Project p(dialogs);
    p.start(devicesDir(), {});
    p.clickControllerByName("mega128");
    for (auto _ : state) {
        while (p.next()) {
        }
        while (p.page() > 0)
            p.prev();
    }
}
BENCHMARK(WalkAllPages)->Unit(benchmark::kMicrosecond);

void BuildProgram(benchmark::State& state) {
    RecordingDialogs dialogs;
    Project p(dialogs);
    p.start(devicesDir(), {});
    p.clickControllerByName("mega128");
    while (p.next()) {
    }
    p.userType("AppNameEdit", "Blinky");
    for (auto _ : state) {
        Build(p);
        benchmark::DoNotOptimize(p.listing().size());
    }
}
BENCHMARK(BuildProgram)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
