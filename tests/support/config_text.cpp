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

std::string tuningSectionsOnDisk() {
    AircraftFolder scratch;
    std::string path = scratch.corePath("sections.txt");
    TextFile* out = openTextFile(path.c_str(), TextFileMode::write);
    EXPECT_EQ(writeTuningSections(out), resultOk);
    closeTextFile(out);
    return scratch.readFile("sections.txt");
}
