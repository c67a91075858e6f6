// The rewrite of the large aircraft.cfg, against B1 (buffered line copy) and B0 (block copy).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/installer_state.h"
#include "bench/baselines.h"
#include "bench/installer_session.h"
#include "install/config_rewrite.h"

namespace {

struct Aircraft {
    Aircraft() : bytes(static_cast<std::int64_t>(layOutAircraft(folder, kBenchLiveries))) {}
    ScratchFolder folder;
    std::int64_t bytes;
};

void rewrite(benchmark::State& state) {
    Aircraft aircraft;
    const std::string core = aircraft.folder.core("aircraft/aircraft.cfg");
    const std::string path = aircraft.folder.native("aircraft/aircraft.cfg");
    const std::string kept = path + "_ORIGINAL";
    resetInstallerStateForTest();
    installerState.modelKind = modelIfdg;
    installerState.modelVersion = 2;
    installerState.aircraftVariant = variantPax;
    installerState.engineVariant = enginesGeneralElectric;
    WriteCounter writes;
    for (auto _ : state) {
        if (rewriteAircraftConfig(core.c_str()) != resultOk) {
            state.SkipWithError("the rewrite failed");
            break;
        }
        state.PauseTiming();
        std::rename(kept.c_str(), path.c_str()); // the original again, for the next round
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * aircraft.bytes);
    state.counters["system_writes"] =
        benchmark::Counter(static_cast<double>(writes.count()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(rewrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void lineCopyB1(benchmark::State& state) {
    Aircraft aircraft;
    const std::string path = aircraft.folder.native("aircraft/aircraft.cfg");
    for (auto _ : state) {
        state.PauseTiming();
        std::remove((path + "_copy").c_str());
        state.ResumeTiming();
        if (!lineCopy(path, path + "_copy")) {
            state.SkipWithError("the copy failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * aircraft.bytes);
}
BENCHMARK(lineCopyB1)->Unit(benchmark::kMillisecond)->UseRealTime();

void blockCopyB0(benchmark::State& state) {
    Aircraft aircraft;
    const std::string path = aircraft.folder.native("aircraft/aircraft.cfg");
    for (auto _ : state) {
        state.PauseTiming();
        std::remove((path + "_copy").c_str());
        state.ResumeTiming();
        if (!blockCopy(path, path + "_copy")) {
            state.SkipWithError("the copy failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * aircraft.bytes);
}
BENCHMARK(blockCopyB0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
