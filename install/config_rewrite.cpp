// Copies aircraft.cfg up to the end of its [General] section with every aircraft section's
// sim= line replaced, and lets the tuning-sections writer write everything after it.
#include "install/config_rewrite.h"

#include <cstring>

#include "analysis/aircraft_paths.h"
#include "analysis/config_line_reader.h"
#include "app/installer_state.h"
#include "install/tuning_sections.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kProductSimLine = "sim=MD-11_zrk\n";

const char* headerComment(std::int32_t modelKind) {
    switch (modelKind) {
    case modelCorvane:
        return "// ZRK tuning of iFDG flight dynamic model adapted to Corvane 3d model\n"
               "// Version 1.91 / February 2005\n\n";
    case modelIfdg:
        return "// ZRK tuning of iFDG flight dynamic model\n// Version 1.91 / February 2005\n\n";
    case modelOverland:
        return "// ZRK tuning of iFDG flight dynamic model adapted to Overland 3d model\n"
               "// Version 1.91 / February 2005\n\n";
    default:
        return "";
    }
}

// The configuration path with its last character replaced by "_". A path that already ends in
// "_" would name the configuration itself, so it has no temporary name.
bool temporaryName(const char* cfgPath, char (&tempPath)[kPathCapacity]) {
    std::size_t length = std::strlen(cfgPath);
    if (length == 0 || length >= kPathCapacity || cfgPath[length - 1] == '_') {
        return false;
    }
    std::memcpy(tempPath, cfgPath, length + 1);
    tempPath[length - 1] = '_';
    return true;
}

struct Copy {
    TextFile* in;
    TextFile* out;
    char line[kLineCapacity];
    bool aircraftSectionMet;
    bool generalMet;
};

ResultCode writeLine(TextFile* out, const char* line) {
    return writeTextLine(out, line) ? resultOk : ioFailure;
}

// Copies the aircraft section header and every line up to its first sim= line, which is
// replaced; the search runs on across section headers, as the scanner's does.
ResultCode copyAircraftSection(Copy& copy) {
    copy.aircraftSectionMet = true;
    while (!hasPrefixNoCase(copy.line, "sim=", 4)) {
        if (ResultCode code = writeLine(copy.out, copy.line); code != resultOk) {
            return code;
        }
        if (ResultCode code = readConfigLine(copy.in, copy.line, kLineCapacity); code != resultOk) {
            return code;
        }
    }
    return writeText(copy.out, kProductSimLine) ? resultOk : ioFailure;
}

// Treats one line read; endOfFile ends the copy with success.
ResultCode treatLine(Copy& copy) {
    if (copy.line[0] != '[') {
        return writeLine(copy.out, copy.line);
    }
    if (hasPrefixNoCase(copy.line, "[fltsim.", 8)) {
        return copyAircraftSection(copy);
    }
    if (hasPrefixNoCase(copy.line, "[General]", 9)) {
        copy.generalMet = true;
        return writeLine(copy.out, copy.line);
    }
    if (!copy.aircraftSectionMet || !copy.generalMet) {
        return generalMisplaced;
    }
    // The first section after [General]: the tuned sections replace it and all that follows.
    ResultCode code = writeTuningSections(copy.out);
    return code != resultOk ? code : endOfFile;
}

ResultCode writeNewConfiguration(Copy& copy, std::int32_t modelKind) {
    if (!writeText(copy.out, headerComment(modelKind))) {
        return ioFailure;
    }
    ResultCode code = resultOk;
    while (code == resultOk) {
        code = readConfigLine(copy.in, copy.line, kLineCapacity);
        if (code == resultOk) {
            code = treatLine(copy);
        }
    }
    return code;
}

} // namespace

ResultCode rewriteAircraftConfig(const char* cfgPath) {
    Copy copy{};
    copy.in = openTextFile(cfgPath, TextFileMode::read);
    if (copy.in == nullptr) {
        return openFailed;
    }
    char tempPath[kPathCapacity];
    char keptPath[kPathCapacity];
    if (!temporaryName(cfgPath, tempPath) || !keptCopyPath(cfgPath, keptPath) ||
        (copy.out = openTextFile(tempPath, TextFileMode::write)) == nullptr) {
        closeTextFile(copy.in);
        return createFailed;
    }
    ResultCode code = writeNewConfiguration(copy, installerState.modelKind);
    if (!closeTextFile(copy.out) && (code == resultOk || code == endOfFile)) {
        code = ioFailure;
    }
    if (code == endOfFile) {
        code = resultOk;
    }
    if (code != resultOk) {
        deleteFile(tempPath);
    }
    closeTextFile(copy.in);
    if (code != resultOk) {
        return code;
    }
    // A kept copy of an earlier install makes way; then the old file gets its kept name and
    // the new one takes its place in one step, so the configuration never goes missing. Install
    // has checked that nothing here can be refused; a failure all the same changes nothing.
    deleteFile(keptPath);
    if (!keepFile(cfgPath, keptPath)) {
        deleteFile(tempPath);
        return ioFailure;
    }
    if (!replaceFile(cfgPath, tempPath)) {
        deleteFile(tempPath);
        deleteFile(keptPath);
        return ioFailure;
    }
    return resultOk;
}
