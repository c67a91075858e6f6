// rewriteAircraftConfig on any aircraft.cfg against a model of what it copies and replaces, some
// runs with a failing open, read or write: on success the new file has CR LF line ends only and
// the kept copy holds exactly the old bytes; on failure nothing changed; never a temporary file
// left behind or a file left open.
#include <cstdint>

#include "app/installer_state.h"
#include "fuzz/line_model.h"
#include "fuzz/memory_files.h"
#include "install/config_rewrite.h"
#include "install/tuning_sections.h"

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

// What follows the header comment: every line up to the first other section after the aircraft
// sections and [General], with the first sim= line after each aircraft header replaced (the search
// runs on across headers), each ended by CR LF; then the tuning sections. Or the code to fail with.
struct ModelRewrite {
    ResultCode code = resultOk;
    std::string copied;
    bool tuned = false;
};

ModelRewrite modelRewrite(const std::vector<ModelLine>& lines) {
    ModelRewrite result;
    bool aircraft = false, general = false, seekingSim = false;
    for (const ModelLine& line : lines) {
        if (line.code != resultOk) {
            result.code = line.code == endOfFile ? resultOk : line.code;
            break;
        }
        const std::string_view text = line.text.c_str();
        if (seekingSim && beginsWith(text, "sim=")) {
            result.copied += "sim=MD-11_zrk\r\n";
            seekingSim = false;
            continue;
        }
        if (!seekingSim && text.starts_with('[')) {
            const bool isAircraft = beginsWith(text, "[fltsim.");
            const bool isGeneral = beginsWith(text, "[General]");
            if (!isAircraft && !isGeneral) {
                result.code = aircraft && general ? resultOk : generalMisplaced;
                result.tuned = aircraft && general;
                break;
            }
            aircraft |= isAircraft;
            general |= isGeneral;
            seekingSim = isAircraft;
        }
        result.copied += std::string(text) + "\r\n";
    }
    return result;
}

std::string tuningSections() {
    memory_files::faults() = {};
    TextFile* out = openTextFile("C:\\A\\tuning", TextFileMode::write);
    writeTuningSections(out);
    closeTextFile(out);
    return memory_files::snapshot()["C:\\A\\tuning"];
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
    // One run in four each: the input or the temporary file cannot be opened, a read fails, a
    // write fails.
    const unsigned faultAt = 1 + (hash >> 16) % (8 + static_cast<unsigned>(size) / 4);
    const unsigned fault = hash >> 12 & 3;
    memory_files::faults() = {fault == 0 ? 1 + faultAt % 2 : 0, fault == 1 ? 1 + faultAt % 4 : 0,
                              fault == 2 ? faultAt : 0};

    const ResultCode code = rewriteAircraftConfig(kCfg);

    const memory_files::Faults happened = memory_files::faults();
    const ModelRewrite expected = modelRewrite(modelLines(input));
    const ResultCode openCode = happened.failOpen == 1 ? openFailed : createFailed;
    // Writes reach the file only when the buffer is flushed, at the latest at close: a refusal
    // found before then is the reason given, not the failed write.
    const bool refused = expected.code != resultOk;
    fuzzCheck(happened.openFailed    ? code == openCode
              : happened.writeFailed ? code == ioFailure || (refused && code == expected.code)
              : happened.readFailed  ? code == ioFailure || code == expected.code
                                     : code == expected.code,
              "wrong result code", input);
    fuzzCheck(memory_files::openFiles() == 0, "file left open", input);
    auto after = memory_files::snapshot();
    if (code != resultOk) {
        fuzzCheck(after == before, "a failed rewrite changed the folder", input);
        return 0;
    }
    const std::string written = after[kCfg];
    auto expectedFolder = before;
    expectedFolder[kKept] = input;
    expectedFolder[kCfg] = written;
    fuzzCheck(after == expectedFolder, "kept copy not the old file, or a temporary file left",
              input);
    fuzzCheck(hasCrLfEndsOnly(written), "the new file has a line end other than CR LF", input);
    // After the header comment, which only a supported family has.
    const std::string body = expected.copied + (expected.tuned ? tuningSections() : "");
    fuzzCheck(written.ends_with(body) &&
                  (written.size() == body.size()) == (installerState.modelKind == 0),
              "the new file is not the old one rewritten", input);
    return 0;
}
