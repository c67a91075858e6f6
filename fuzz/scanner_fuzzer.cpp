// scanAircraftConfig on any aircraft.cfg beside a few model folders: only a code it may return,
// nothing written, every file closed, and what it leaves in the state record fits the file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "analysis/config_scanner.h"
#include "app/installer_state.h"
#include "fuzz/line_model.h"
#include "fuzz/memory_files.h"

namespace {

constexpr const char* kCfg = "C:\\A\\aircraft.cfg";
constexpr std::int32_t kUntouched = 77;

// "model" and "model.b" hold compatible version 1.0 files, "model.c" a version 1.5 one;
// "model.e" holds no model file and "model.f" is a file.
void layOut(std::string_view input) {
    using namespace memory_files;
    reset();
    addFolder("C:\\A");
    addFile(kCfg, input);
    addFolder("C:\\A\\model");
    addFile("C:\\A\\model\\MD11PG_1.mdl", "", 4127528);
    addFolder("C:\\A\\Model.B");
    addFile("C:\\A\\Model.B\\MD11PG_2.MDL", "", 4123512);
    addFolder("C:\\A\\MODEL.c");
    addFile("C:\\A\\MODEL.c\\md11CF.mdl", "", 3153900);
    addFolder("C:\\A\\model.e");
    addFile("C:\\A\\model.f", "");
}

bool isAllowed(ResultCode code) {
    const ResultCode codes[] = {resultOk,      lineTooLong,   endOfFile,      simMismatch,
                                modelMismatch, panelNotEmpty, uiTypeMismatch, modelFileMissing};
    return std::ranges::count(codes, code) == 1 ||
           (code == ioFailure && memory_files::faults().readFailed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::uint32_t hash = inputHash(input);
    layOut(input);
    const auto before = memory_files::snapshot();
    memory_files::faults().failRead = hash % 3 == 0 ? 1 + hash / 3 % 3 : 0;
    std::snprintf(installerState.aircraftCfgPath, kPathCapacity, "%s", kCfg);
    std::snprintf(installerState.simName, kPathCapacity, "%s", "left from before");
    installerState.modelVersion = kUntouched;

    const ResultCode code = scanAircraftConfig(kCfg);

    const bool readFailed = memory_files::faults().readFailed;
    fuzzCheck(isAllowed(code), "a code the scanner may not return", input);
    fuzzCheck(memory_files::openFiles() == 0, "file left open", input);
    fuzzCheck(memory_files::snapshot() == before, "the scan changed a file", input);
    // Up to the first header the file has no aircraft; without "[fltsim." there it has none.
    const std::vector<ModelLine> lines = modelLines(input);
    const auto header = std::find_if(lines.begin(), lines.end(), [](const ModelLine& line) {
        return line.code != resultOk || line.text.c_str()[0] == '[';
    });
    const bool aircraft = header->code == resultOk && beginsWith(header->text, "[fltsim.");
    fuzzCheck(aircraft || readFailed ||
                  code == (header->code == lineTooLong ? lineTooLong : endOfFile),
              "a file without aircraft sections not refused as it should be", input);
    // simName is emptied, then holds the first sim= value from the first aircraft header on.
    const auto sim = std::find_if(header, lines.end(), [](const ModelLine& line) {
        return line.code != resultOk || beginsWith(line.text.c_str(), "sim=");
    });
    std::string value = aircraft && sim->code == resultOk ? sim->text.c_str() + 4 : "";
    fuzzCheck(readFailed || installerState.simName == (value.size() < kPathCapacity ? value : ""),
              "simName is not the first sim= value", input);
    // lineTooLong needs a line too long to read, or a value too long for its field (at least
    // the 128 characters of a model= value).
    bool longLine = false;
    for (const ModelLine& line : lines) {
        longLine |= line.code == lineTooLong || std::strlen(line.text.c_str()) > 133;
    }
    fuzzCheck(code != lineTooLong || longLine, "lineTooLong without a long line or value", input);
    const std::string_view simName = installerState.simName;
    const bool ifdg = code == resultOk && simName.size() == 5 && beginsWith(simName, "MD-11");
    fuzzCheck(ifdg ? installerState.modelVersion == 1 || installerState.modelVersion == 2
                   : installerState.modelVersion == kUntouched,
              "modelVersion not the class of a model file, or set where it must not be", input);
    return 0;
}
