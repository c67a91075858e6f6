// The line reader at its boundaries, and the keyword rule.
#include "analysis/config_line_reader.h"

#include <gtest/gtest.h>

#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

namespace {

// Each line read, with its code 0, then the code that stopped the reader.
std::string readAll(const std::string& bytes, unsigned failingRead) {
    TestFolder folder;
    folder.put("aircraft.cfg", bytes);
    FailingFileOps failing;
    failing.failNth(FileCall::read, failingRead);
    TextFile* file = openTextFile(folder.core("aircraft.cfg").c_str(), TextFileMode::read);
    char buffer[kLineCapacity];
    std::string reads;
    ResultCode code = openFailed;
    while (file != nullptr && (code = readConfigLine(file, buffer, kLineCapacity)) == resultOk) {
        reads += std::string(buffer) + "|0\n";
    }
    closeTextFile(file);
    return reads + std::to_string(code);
}

TEST(ReadConfigLine, ReturnsLinesAndCodes) {
    const std::string k2046(2046, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"", "53"},
        {"\r\n", "|0\n53"},
        {"[fltsim.0]\r\nsim=MD-11\nlast", "[fltsim.0]|0\nsim=MD-11|0\nlast|0\n53"},
        {"a\r\r\n\x1a\r\n", "a|0\n\x1a|0\n53"},
        {k2046 + "\r\n" + k2046, k2046 + "|0\n" + k2046 + "|0\n53"},
        {"ok\r\nx" + k2046 + "\r\n", "ok|0\n51"},
        {"x" + k2046, "51"}};
    for (const auto& [bytes, reads] : cases) {
        EXPECT_EQ(readAll(bytes, 0), reads) << bytes.substr(0, 40);
    }
    EXPECT_EQ(readAll("sim=MD-11\r\n", 1), "52");
}

// Only A-Z fold, whatever the locale (DEL is '_' + 32, e-acute E-acute + 32 in Latin-1); a count
// of 0 compares the whole keyword.
TEST(HasPrefixNoCase, FoldsOnlyAsciiLetters) {
    const std::tuple<const char*, const char*, std::size_t, int> cases[] = {
        {"SIM=MD-11", "sim=", 0, 1},
        {" sim=MD-11", "sim=", 0, 0},
        {"sim =x", "sim=", 0, 0},
        {"ui\x7ftype=", "ui_type=", 0, 0},
        {"[\xc9]", "[\xe9]", 0, 0},
        {"[FLTSIM.0]", "[fltsim.", 8, 1},
        {"[General] ; comment", "[General]", 9, 1}};
    for (auto [line, keyword, count, expected] : cases) {
        EXPECT_EQ(count == 0 ? hasPrefixNoCase(line, keyword)
                             : hasPrefixNoCase(line, keyword, count),
                  expected)
            << line << " / " << keyword;
    }
}

} // namespace
