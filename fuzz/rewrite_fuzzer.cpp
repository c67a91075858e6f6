// rewriteAircraftConfig on any aircraft.cfg against a model of what it copies, some runs with a
// failing read or write, some over a kept copy that an earlier install left: on success the kept
// copy holds the old bytes and the new file is the old one rewritten; on failure nothing changed.
#include "app/installer_state.h"
#include "fuzz/fuzz_harness.h"
#include "install/config_rewrite.h"
#include "install/tuning_sections.h"

// Every line up to the first other section after the aircraft sections and [General], the first
// sim= line after each aircraft header replaced (the search runs on across headers), each ended by
// CR LF; then the tuning sections. Or the code to fail with.
static ResultCode modelRewrite(const std::string& input, const std::string& tuning,
                               std::string& body) {
    bool aircraft = false, general = false, seekingSim = false;
    ResultCode end;
    for (const std::string& line : modelLines(input, end)) {
        std::string_view text = line.c_str();
        if (!seekingSim && text.starts_with('[')) {
            seekingSim = beginsWith(text, "[fltsim.");
            if (!seekingSim && !beginsWith(text, "[General]")) {
                body += tuning;
                return aircraft && general ? resultOk : generalMisplaced;
            }
            (seekingSim ? aircraft : general) = true;
        } else if (seekingSim && beginsWith(text, "sim=")) {
            text = "sim=MD-11_zrk";
            seekingSim = false;
        }
        body += std::string(text) + "\r\n";
    }
    return end == endOfFile ? resultOk : end;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::uint32_t hash = hashOf(input);
    const std::int32_t kinds[] = {modelNotSupported, modelCorvane, modelIfdg, modelOverland};
    installerState.modelKind = kinds[hash >> 4 & 3]; // the header and the tuning sections
    memory::entries = {}, memory::faults = {};
    TextFile* tuning = openTextFile("tuning", TextFileMode::write);
    writeTuningSections(tuning);
    closeTextFile(tuning);
    std::string body;
    const ResultCode expected = modelRewrite(input, memory::entries["TUNING"].bytes, body);
    const std::string cfg = "C:\\A\\AIRCRAFT.CFG", kept = cfg + "_ORIGINAL";
    memory::entries = {{cfg, {input}}};
    if ((hash & 8) != 0) {
        memory::entries[kept] = {"kept by an earlier install"};
    }
    auto before = memory::entries;
    const unsigned faultAt = 1 + (hash >> 8) % (8 + static_cast<unsigned>(size) / 4);
    memory::faults = {hash % 3 == 1 ? 1 + faultAt % 4 : 0, hash % 3 == 2 ? faultAt : 0};

    const ResultCode code = rewriteAircraftConfig("C:\\A\\aircraft.cfg");

    // Writes reach the file at the latest at close: a refusal found first is the reason given.
    fuzzCheck(memory::faults.readFailed() || memory::faults.writeFailed()
                  ? code == ioFailure || (expected != resultOk && code == expected)
                  : code == expected,
              "wrong result code");
    fuzzCheck(memory::openFiles == 0, "file left open");
    auto after = memory::entries;
    if (code == resultOk) { // the new file: the header comment of a supported family, then body
        const std::string written = after[cfg].bytes;
        fuzzCheck(written.ends_with(body) &&
                      (written.size() == body.size()) == (installerState.modelKind == 0),
                  "the new file is not the old one rewritten");
        before[kept] = {input};
        before[cfg] = {written};
    }
    fuzzCheck(after == before, "the folder changed on failure, or by more than two files");
    return 0;
}
