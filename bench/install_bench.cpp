// The whole Install and Uninstall commands through the main dialog, against B1 followed by the
// syncs a durable install makes.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/baselines.h"
#include "bench/installer_session.h"

namespace {

// Each round chooses the aircraft, installs and uninstalls, which gives the folder back; only
// the command named is timed.
void installCommand(benchmark::State& state) {
    InstallerSession session(kBenchLiveries);
    for (auto _ : state) {
        state.PauseTiming();
        bool chosen = session.choose();
        state.ResumeTiming();
        if (!chosen || !session.install()) {
            state.SkipWithError("Install failed");
            break;
        }
        state.PauseTiming();
        bool restored = session.choose() && session.uninstall();
        state.ResumeTiming();
        if (!restored) {
            state.SkipWithError("Uninstall failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(session.configBytes()));
}
BENCHMARK(installCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

void uninstallCommand(benchmark::State& state) {
    InstallerSession session(kBenchLiveries);
    for (auto _ : state) {
        state.PauseTiming();
        bool installed = session.choose() && session.install() && session.choose();
        state.ResumeTiming();
        if (!installed || !session.uninstall()) {
            state.SkipWithError("Install or Uninstall failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(session.configBytes()));
}
BENCHMARK(uninstallCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

void lineCopySyncedB1(benchmark::State& state) {
    ScratchFolder folder;
    const std::int64_t bytes = static_cast<std::int64_t>(layOutAircraft(folder, kBenchLiveries));
    const std::string path = folder.native("aircraft/aircraft.cfg");
    for (auto _ : state) {
        state.PauseTiming();
        std::remove((path + "_copy").c_str());
        state.ResumeTiming();
        if (!lineCopy(path, path + "_copy", true)) {
            state.SkipWithError("the copy failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(lineCopySyncedB1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
