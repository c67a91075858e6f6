// rewriteAircraftConfig on any aircraft.cfg against a model of what it copies, some runs with a
// failing read or write: on success the kept copy holds the old bytes and the new file is the old
// one rewritten; on failure nothing changed; never a temporary file left or a file left open.
#include "app/installer_state.h"
#include "fuzz/fuzz_harness.h"
#include "install/config_rewrite.h"
#include "install/tuning_sections.h"

namespace {

// What follows the header comment: every line up to the first other section after the aircraft
// sections and [General], the first sim= line after each aircraft header replaced (the search
// runs on across headers), each ended by CR LF; then the tuning sections. Or the code to fail with.
ResultCode modelRewrite(const std::string& input, const std::string& tuning, std::string& body) {
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The choices a run makes come from its input, so that a crash file replays it.
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string>{}(input));
    // The family chooses the header and the tuning sections (their options: the unit tests).
    const std::int32_t kinds[] = {modelNotSupported, modelCorvane, modelIfdg, modelOverland};
    installerState.modelKind = kinds[hash >> 4 & 3];
    memory::entries = {}, memory::faults = {};
    TextFile* tuning = openTextFile("tuning", TextFileMode::write);
    writeTuningSections(tuning);
    closeTextFile(tuning);
    std::string body;
    const ResultCode expected = modelRewrite(input, memory::entries["TUNING"].bytes, body);
    memory::entries = {{"C:\\A\\AIRCRAFT.CFG", {input}}};
    if ((hash & 8) != 0) {
        memory::entries["C:\\A\\AIRCRAFT.CFG_ORIGINAL"] = {"kept by an earlier install"};
    }
    auto before = memory::entries;
    // One run in three each: a read fails, a write fails.
    const unsigned faultAt = 1 + (hash >> 8) % (8 + static_cast<unsigned>(size) / 4);
    memory::faults = {hash % 3 == 1 ? 1 + faultAt % 4 : 0, hash % 3 == 2 ? faultAt : 0};

    const ResultCode code = rewriteAircraftConfig("C:\\A\\aircraft.cfg");

    // Writes reach the file only when the buffer is flushed, at the latest at close: a refusal
    // found before then is the reason given, not the failed write.
    fuzzCheck(memory::faults.readFailed() || memory::faults.writeFailed()
                  ? code == ioFailure || (expected != resultOk && code == expected)
                  : code == expected,
              "wrong result code");
    fuzzCheck(memory::openFiles == 0, "file left open");
    auto after = memory::entries;
    if (code == resultOk) {
        // After the header comment, which only a supported family has.
        const std::string written = after["C:\\A\\AIRCRAFT.CFG"].bytes;
        fuzzCheck(written.ends_with(body) &&
                      (written.size() == body.size()) == (installerState.modelKind == 0),
                  "the new file is not the old one rewritten");
        before["C:\\A\\AIRCRAFT.CFG_ORIGINAL"] = {input};
        before["C:\\A\\AIRCRAFT.CFG"] = {written};
    }
    fuzzCheck(after == before,
              "the folder changed on failure, or not by the kept and new files only");
    return 0;
}
