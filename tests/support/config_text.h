// What the installer's configuration files hold on disk, for byte comparisons in tests.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "install/tuning_sections.h"
#include "platform/text_file.h"
#include "tests/support/test_files.h"

// text with every LF stored as CR LF, as the installer's text files store it.
inline std::string withCrLf(const std::string& text) {
    std::string stored;
    for (char c : text) {
        stored += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return stored;
}

// writeTuningSections' output for installerState as stored; the writer must succeed.
inline std::string tuningSectionsOnDisk() {
    TemporaryFolder scratch;
    TextFile* out = openTextFile(scratch.core("sections.txt").c_str(), TextFileMode::write);
    EXPECT_EQ(writeTuningSections(out), resultOk);
    EXPECT_TRUE(closeTextFile(out));
    return readNativeFile(scratch.native("sections.txt"));
}
