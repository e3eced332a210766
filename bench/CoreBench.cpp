// Timings of the core paths a user waits for: the catalogue scan at start-up, a controller
// click, walking all pages, a build, and the preview's program from a driver page. Run: build/bin/pramlet-bench (from the build tree,
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

// What the preview writes on each change: from the sixth page, the pages ahead run on a copy
// of the project and the program is written, on the largest controller.
void WriteProgramAheadFromDriverPage(benchmark::State& state) {
    RecordingDialogs dialogs;
    Project p(dialogs);
    p.start(devicesDir(), {});
    p.clickControllerByName("XMEGA128A1U");
    while (p.page() < 5)
        p.next();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteProgramAhead(p, "Demo").lines.size());
}
BENCHMARK(WriteProgramAheadFromDriverPage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
