// scanAircraftConfig on any aircraft.cfg beside a few model folders: only a code it may return,
// nothing written, every file closed, and what it leaves in the state record fits the file.
#include "analysis/config_scanner.h"
#include "app/installer_state.h"
#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Compatible version 1.0 files in "model" and "model.b", version 1.5 in "model.c"; "model.e"
    // holds no model file and "model.f" is a file.
    memory::entries = {
        {"C:\\A", {"", true}},          {"C:\\A\\AIRCRAFT.CFG", {input}},
        {"C:\\A\\MODEL", {"", true}},   {"C:\\A\\MODEL\\MD11PG_1.MDL", {"", false, 4127528}},
        {"C:\\A\\MODEL.B", {"", true}}, {"C:\\A\\MODEL.B\\MD11PG_2.MDL", {"", false, 4123512}},
        {"C:\\A\\MODEL.C", {"", true}}, {"C:\\A\\MODEL.C\\MD11CF.MDL", {"", false, 3153900}},
        {"C:\\A\\MODEL.E", {"", true}}, {"C:\\A\\MODEL.F", {}}};
    const auto before = memory::entries;
    const std::uint32_t hash = hashOf(input);
    memory::faults = {hash % 3 == 0 ? 1 + hash / 3 % 3 : 0};
    std::snprintf(installerState.aircraftCfgPath, kPathCapacity, "C:\\A\\aircraft.cfg");
    std::snprintf(installerState.simName, kPathCapacity, "left from before");
    installerState.modelVersion = 77;

    const ResultCode code = scanAircraftConfig(installerState.aircraftCfgPath);

    const bool readFailed = memory::faults.readFailed();
    const ResultCode codes[] = {resultOk,      lineTooLong,   endOfFile,      simMismatch,
                                modelMismatch, panelNotEmpty, uiTypeMismatch, modelFileMissing};
    fuzzCheck(readFailed ? code == ioFailure : std::ranges::count(codes, code) == 1,
              "a code the scanner may not return");
    fuzzCheck(memory::openFiles == 0 && memory::entries == before, "a file left open or changed");
    const std::string_view simName = installerState.simName;
    const bool ifdg = code == resultOk && simName.size() == 5 && beginsWith(simName, "MD-11");
    const std::int32_t version = installerState.modelVersion;
    fuzzCheck(ifdg ? version == 1 || version == 2 : version == 77,
              "modelVersion not the class of a model file, or set where it must not be");
    ResultCode end;
    const std::vector<std::string> lines = modelLines(input, end);
    // Up to the first header the file has no aircraft; without "[fltsim." there it has none.
    const auto header = std::ranges::find_if(lines, [](auto& line) { return line[0] == '['; });
    const bool aircraft = header != lines.end() && beginsWith(header->c_str(), "[fltsim.");
    // simName is emptied, then holds the first sim= value from the first aircraft header on.
    const auto sim = std::find_if(header, lines.end(),
                                  [](auto& line) { return beginsWith(line.c_str(), "sim="); });
    const std::string value = aircraft && sim != lines.end() ? sim->c_str() + 4 : "";
    fuzzCheck(readFailed || ((aircraft || code == (header == lines.end() ? end : endOfFile)) &&
                             simName == (value.size() < kPathCapacity ? value : "")),
              "no aircraft sections and not refused, or simName not the first sim= value");
    return 0;
}
