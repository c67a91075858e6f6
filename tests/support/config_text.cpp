// Stored forms of configuration text for tests.
#include "tests/support/config_text.h"

#include <gtest/gtest.h>

#include "install/tuning_sections.h"
#include "platform/text_file.h"
#include "tests/support/aircraft_fixture.h"

std::string withCrLf(const std::string& text) {
    std::string stored;
    for (char c : text) {
        if (c == '\n') {
            stored += '\r';
        }
        stored += c;
    }
    return stored;
}

std::string tuningSectionsOnDisk(ResultCode* result) {
    AircraftFolder scratch;
    std::string path = scratch.corePath("sections.txt");
    TextFile* out = openTextFile(path.c_str(), TextFileMode::write);
    ResultCode code = writeTuningSections(out);
    closeTextFile(out);
    if (result != nullptr) {
        *result = code;
    } else {
        EXPECT_EQ(code, resultOk);
    }
    return scratch.readFile("sections.txt");
}
