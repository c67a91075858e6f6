// Stored forms of configuration text for tests.
#include "tests/support/config_text.h"

#include <gtest/gtest.h>

#include "install/tuning_sections.h"
#include "platform/text_file.h"
#include "tests/support/aircraft_fixture.h"

std::string withCrLf(const std::string& text) {
    std::string stored;
    for (char c : text) {
        stored += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return stored;
}

std::string tuningSectionsOnDisk() {
    AircraftFolder scratch;
    TextFile* out = openTextFile(scratch.corePath("sections.txt").c_str(), TextFileMode::write);
    EXPECT_EQ(writeTuningSections(out), resultOk);
    EXPECT_TRUE(closeTextFile(out));
    return scratch.readFile("sections.txt");
}
