// Test helpers for the flight-model sections: real files, a wrapped write, and section parsing.
#include "tests/unit/tuning_output.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/installer_state.h"
#include "install/tuning_sections.h"
#include "platform/text_file.h"
#include "tests/support/test_paths.h"

void setTuningState(const TuningState& state) {
    resetInstallerStateForTest();
    installerState.modelKind = state.modelKind;
    installerState.aircraftVariant = state.aircraftVariant;
    installerState.engineVariant = state.engineVariant;
    installerState.modelVersion = state.modelVersion;
    installerState.wingLightsMode = state.wingLightsMode;
    installerState.foldAndHookCommands = state.foldAndHookCommands;
    installerState.realisticBrakes = state.realisticBrakes;
}

WrittenFile writeTuningFile() {
    TemporaryFolder folder;
    std::string path = folder.corePath() + "aircraft.cfg";
    TextFile* file = openTextFile(path.c_str(), TextFileMode::write);
    if (file == nullptr) {
        ADD_FAILURE() << "cannot create " << path;
        return {ioFailure, ""};
    }
    ResultCode result = writeTuningSections(file);
    EXPECT_TRUE(closeTextFile(file));
    std::ifstream in(toNativePath(path), std::ios::binary);
    return {result, std::string(std::istreambuf_iterator<char>(in), {})};
}

namespace {

FileOps savedOps;
int failFrom = 0;
int attemptCount = 0;
std::vector<std::string> writes;

bool probeWrite(RawFile* file, const void* data, std::size_t size) {
    ++attemptCount;
    if (failFrom > 0 && attemptCount >= failFrom) {
        return false;
    }
    writes.emplace_back(static_cast<const char*>(data), size);
    return savedOps.writeFile(file, data, size);
}

bool isHeader(const std::string& line) {
    return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

} // namespace

WriteProbe::WriteProbe(int failFromWrite) {
    savedOps = fileOps();
    failFrom = failFromWrite;
    attemptCount = 0;
    writes.clear();
    fileOps().writeFile = probeWrite;
}

WriteProbe::~WriteProbe() {
    fileOps() = savedOps;
}

int WriteProbe::attempts() const {
    return attemptCount;
}

const std::vector<std::string>& WriteProbe::written() {
    return writes;
}

std::vector<Section> parseSections(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        EXPECT_TRUE(bytes[i] != '\r' || crBeforeLf) << "bare CR at byte " << i;
        EXPECT_TRUE(bytes[i] != '\n' || (i > 0 && bytes[i - 1] == '\r')) << "bare LF at " << i;
        if (!crBeforeLf) {
            text += bytes[i];
        }
    }
    EXPECT_TRUE(text.ends_with("\n\n")) << "the output does not end with a blank line";

    std::vector<Section> sections;
    bool inSection = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!inSection) {
            EXPECT_TRUE(isHeader(line)) << "not a header after a blank line: \"" << line << '"';
            sections.push_back({isHeader(line) ? line.substr(1, line.size() - 2) : line, {}});
            inSection = true;
        } else if (line.empty()) {
            inSection = false;
        } else {
            EXPECT_FALSE(isHeader(line)) << "no blank line before " << line;
            sections.back().lines.push_back(line);
        }
    }
    EXPECT_FALSE(inSection) << "the last section has no blank line";
    return sections;
}

std::vector<std::string> headersOf(const std::vector<Section>& sections) {
    std::vector<std::string> headers;
    for (const Section& section : sections) {
        headers.push_back(section.header);
    }
    return headers;
}

Section sectionNamed(const std::vector<Section>& sections, const std::string& header) {
    for (const Section& section : sections) {
        if (section.header == header) {
            return section;
        }
    }
    ADD_FAILURE() << "no section [" << header << "]";
    return {header, {}};
}

std::string valueOf(const Section& section, const std::string& key) {
    std::string found;
    int count = 0;
    for (const std::string& line : section.lines) {
        if (line.starts_with(key + "=")) {
            found = line.substr(key.size() + 1);
            ++count;
        }
    }
    EXPECT_EQ(count, 1) << key << " in [" << section.header << "]";
    return found;
}
