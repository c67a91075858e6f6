// Test helpers for the flight-model sections: run the writer into a real file, wrap the raw
// write operation, and read the file back as sections.
#pragma once

#include <string>
#include <vector>

#include "analysis/result_codes.h"
#include "platform/platform.h"

// The state fields the writer reads.
struct TuningState {
    int modelKind;
    int aircraftVariant = 1;
    int engineVariant = 1;
    int modelVersion = 1;
    int wingLightsMode = 0;
    int foldAndHookCommands = 0;
    int realisticBrakes = 0;
};

// Resets installerState and sets the fields of state.
void setTuningState(const TuningState& state);

struct WrittenFile {
    ResultCode result;
    std::string bytes; // the file as stored, line ends included
};

// Runs writeTuningSections into a fresh file in a temporary folder, closes it and reads it back.
WrittenFile writeTuningFile();

// Wraps fileOps().writeFile while it lives: records every raw write and fails each one from the
// failFrom-th on (0: none fails). Puts the saved table back when destroyed.
class WriteProbe {
public:
    explicit WriteProbe(int failFrom);
    ~WriteProbe();
    WriteProbe(const WriteProbe&) = delete;
    WriteProbe& operator=(const WriteProbe&) = delete;

    int attempts() const;                      // raw writes tried, failed ones included
    const std::vector<std::string>& written(); // contents of the writes that succeeded
};

struct Section {
    std::string header; // the name between the brackets
    std::vector<std::string> lines;
};

// Checks the stored form (every LF after a CR, no bare CR) and the layout (a header first, one
// blank line closing every section, none inside one, "\n\n" at the end) with gtest failures, and
// returns the sections found.
std::vector<Section> parseSections(const std::string& bytes);

std::vector<std::string> headersOf(const std::vector<Section>& sections);
// The section of that name; a gtest failure and an empty section when there is none.
Section sectionNamed(const std::vector<Section>& sections, const std::string& header);
// What follows "key=" on the one line that starts with it; a gtest failure when not exactly one.
std::string valueOf(const Section& section, const std::string& key);
