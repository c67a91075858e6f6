// Reading the large aircraft.cfg: the line reader and the scanner, against a plain fgets loop.
#include <benchmark/benchmark.h>

#include "analysis/config_line_reader.h"
#include "analysis/config_scanner.h"
#include "app/installer_state.h"
#include "bench/baselines.h"
#include "bench/installer_session.h"

namespace {

struct Aircraft {
    Aircraft() : bytes(static_cast<std::int64_t>(layOutAircraft(folder, kBenchLiveries))) {}
    ScratchFolder folder;
    std::int64_t bytes;
};

void lineReader(benchmark::State& state) {
    Aircraft aircraft;
    const std::string path = aircraft.folder.core("aircraft/aircraft.cfg");
    char line[kLineCapacity];
    for (auto _ : state) {
        TextFile* file = openTextFile(path.c_str(), TextFileMode::read);
        ResultCode code = resultOk;
        long lines = 0;
        while ((code = readConfigLine(file, line, kLineCapacity)) == resultOk) {
            ++lines;
        }
        closeTextFile(file);
        benchmark::DoNotOptimize(lines);
        if (code != endOfFile) {
            state.SkipWithError("the file did not read to its end");
        }
    }
    state.SetBytesProcessed(state.iterations() * aircraft.bytes);
}
BENCHMARK(lineReader)->Unit(benchmark::kMillisecond)->UseRealTime();

void fgetsBaseline(benchmark::State& state) {
    Aircraft aircraft;
    const std::string path = aircraft.folder.native("aircraft/aircraft.cfg");
    for (auto _ : state) {
        if (fgetsLoop(path) <= 0) {
            state.SkipWithError("the file could not be read");
        }
    }
    state.SetBytesProcessed(state.iterations() * aircraft.bytes);
}
BENCHMARK(fgetsBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every aircraft section is read and checked: the scanner reads the whole leading run.
void scanner(benchmark::State& state) {
    Aircraft aircraft;
    const std::string path = aircraft.folder.core("aircraft/aircraft.cfg");
    resetInstallerStateForTest();
    // The model folder is looked for beside the chosen file.
    path.copy(installerState.aircraftCfgPath, sizeof installerState.aircraftCfgPath - 1);
    for (auto _ : state) {
        if (scanAircraftConfig(path.c_str()) != resultOk) {
            state.SkipWithError("the scanner refused the aircraft");
        }
    }
    state.SetBytesProcessed(state.iterations() * aircraft.bytes);
}
BENCHMARK(scanner)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
