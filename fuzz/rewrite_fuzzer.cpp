// rewriteAircraftConfig on any aircraft.cfg, some runs with a failing read or write: on success
// the new file has CR LF line ends only and the kept copy holds exactly the old bytes; on failure
// nothing changed; never a temporary file left behind or a file left open.
#include <cstdint>

#include "app/installer_state.h"
#include "fuzz/line_model.h"
#include "fuzz/memory_files.h"
#include "install/config_rewrite.h"

namespace {

constexpr const char* kCfg = "C:\\A\\aircraft.cfg";
constexpr const char* kKept = "C:\\A\\aircraft.cfg_ORIGINAL";

// The family and the options that choose the tuning texts.
void setState(std::uint32_t bits) {
    const std::int32_t kinds[] = {modelNotSupported, modelCorvane, modelIfdg, modelOverland};
    installerState.modelKind = kinds[bits % 4];
    installerState.realisticBrakes = bits >> 2 & 1;
    installerState.aircraftVariant = static_cast<std::int32_t>(1 + (bits >> 3) % 3);
    installerState.engineVariant = static_cast<std::int32_t>(1 + (bits >> 5 & 1));
    installerState.modelVersion = static_cast<std::int32_t>(1 + (bits >> 6) % 3);
    installerState.wingLightsMode = static_cast<std::int32_t>(bits >> 8 & 3);
    installerState.foldAndHookCommands = bits >> 10 & 1;
}

bool hasCrLfEndsOnly(const std::string& text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') {
            return false;
        }
    }
    return text.empty() || text.ends_with("\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::uint32_t hash = inputHash(input);
    memory_files::reset();
    memory_files::addFolder("C:\\A");
    memory_files::addFile(kCfg, input);
    if (hash % 2 == 0) {
        memory_files::addFile(kKept, "kept by an earlier install");
    }
    const auto before = memory_files::snapshot();
    setState(hash >> 1);
    const unsigned faultAt = 1 + (hash >> 16) % (8 + static_cast<unsigned>(size) / 4);
    const unsigned fault = hash >> 12 & 3;
    memory_files::faults().failRead = fault == 1 ? faultAt % 4 + 1 : 0;
    memory_files::faults().failWrite = fault == 2 ? faultAt : 0;

    const ResultCode code = rewriteAircraftConfig(kCfg);

    const memory_files::Faults& happened = memory_files::faults();
    fuzzCheck(code == resultOk || code == lineTooLong || code == generalMisplaced ||
                  (code == ioFailure && (happened.readFailed || happened.writeFailed)),
              "a code the rewrite may not return", input);
    fuzzCheck(code == ioFailure || !happened.writeFailed, "a failed write not reported", input);
    fuzzCheck(memory_files::openFiles() == 0, "file left open", input);
    bool longLine = false;
    for (const ModelLine& line : modelLines(input)) {
        longLine |= line.code == lineTooLong;
    }
    fuzzCheck(code != lineTooLong || longLine, "lineTooLong without a long line", input);
    auto after = memory_files::snapshot();
    if (code != resultOk) {
        fuzzCheck(after == before, "a failed rewrite changed the folder", input);
        return 0;
    }
    fuzzCheck(hasCrLfEndsOnly(after[kCfg]), "the new file has a line end other than CR LF", input);
    auto expected = before;
    expected[kKept] = input;
    expected[kCfg] = after[kCfg];
    fuzzCheck(after == expected, "kept copy not the old file, or a temporary file left", input);
    return 0;
}
