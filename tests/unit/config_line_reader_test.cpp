// The line reader at its boundaries, and the keyword rule.
#include "analysis/config_line_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/test_paths.h"

namespace {

struct ReadResult {
    ResultCode code;
    std::string line;
};

// Writes bytes to a real file and reads it back line by line until the reader stops.
std::vector<ReadResult> readAll(const std::string& bytes) {
    TemporaryFolder folder;
    std::ofstream(folder.nativePath() + "/aircraft.cfg", std::ios::binary) << bytes;
    TextFile* file = openTextFile((folder.corePath() + "aircraft.cfg").c_str(), TextFileMode::read);
    EXPECT_NE(file, nullptr);
    std::vector<ReadResult> results;
    if (file == nullptr) {
        return results;
    }
    char buffer[kLineCapacity];
    for (;;) {
        ResultCode code = readConfigLine(file, buffer, kLineCapacity);
        results.push_back({code, code == resultOk ? buffer : ""});
        if (code != resultOk) {
            break;
        }
    }
    closeTextFile(file);
    return results;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<ReadResult> expected;
};

std::string repeat(std::size_t count) {
    return std::string(count, 'x');
}

class ReadConfigLine : public testing::TestWithParam<LineCase> {};

TEST_P(ReadConfigLine, ReturnsLinesAndCodes) {
    const LineCase& c = GetParam();
    std::vector<ReadResult> results = readAll(c.bytes);
    ASSERT_EQ(results.size(), c.expected.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].code, c.expected[i].code) << "read " << i;
        EXPECT_EQ(results[i].line, c.expected[i].line) << "read " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReadConfigLine,
    testing::Values(
        LineCase{"EmptyFile", "", {{endOfFile, ""}}},
        LineCase{"LineEndOnly", "\r\n", {{resultOk, ""}, {endOfFile, ""}}},
        LineCase{"CrLfAndLf",
                 "[fltsim.0]\r\nsim=MD-11\nmodel=\r\n",
                 {{resultOk, "[fltsim.0]"},
                  {resultOk, "sim=MD-11"},
                  {resultOk, "model="},
                  {endOfFile, ""}}},
        LineCase{"LastLineWithoutLineEnd",
                 "a\r\nlast",
                 {{resultOk, "a"}, {resultOk, "last"}, {endOfFile, ""}}},
        LineCase{"TrailingCarriageReturnsStripped", "a\r\r\n", {{resultOk, "a"}, {endOfFile, ""}}},
        LineCase{"Longest2046WithCrLf",
                 repeat(2046) + "\r\nnext\r\n",
                 {{resultOk, repeat(2046)}, {resultOk, "next"}, {endOfFile, ""}}},
        LineCase{
            "Longest2046WithoutLineEnd", repeat(2046), {{resultOk, repeat(2046)}, {endOfFile, ""}}},
        LineCase{"TooLong2047WithLineEnd", repeat(2047) + "\r\n", {{lineTooLong, ""}}},
        LineCase{"TooLong2047AsLastLine", repeat(2047), {{lineTooLong, ""}}},
        LineCase{"TooLongAfterGoodLines",
                 "ok\r\n" + repeat(3000) + "\r\n",
                 {{resultOk, "ok"}, {lineTooLong, ""}}},
        LineCase{"ControlZIsOrdinary",
                 "a\x1a"
                 "b\r\nc\r\n",
                 {{resultOk, "a\x1a"
                             "b"},
                  {resultOk, "c"},
                  {endOfFile, ""}}}),
    [](const testing::TestParamInfo<LineCase>& param) { return std::string(param.param.name); });

TEST(ReadConfigLine, KeepsTheFirst2047CharactersOfAnOverlongLine) {
    TemporaryFolder folder;
    std::ofstream(folder.nativePath() + "/aircraft.cfg", std::ios::binary)
        << repeat(2047) + "y\r\n";
    TextFile* file = openTextFile((folder.corePath() + "aircraft.cfg").c_str(), TextFileMode::read);
    ASSERT_NE(file, nullptr);
    char buffer[kLineCapacity];
    EXPECT_EQ(readConfigLine(file, buffer, kLineCapacity), lineTooLong);
    EXPECT_EQ(std::string(buffer), repeat(2047));
    closeTextFile(file);
}

struct PrefixCase {
    const char* line;
    const char* keyword;
    int expected;
};

class HasPrefixNoCase : public testing::TestWithParam<PrefixCase> {};

TEST_P(HasPrefixNoCase, FoldsOnlyAsciiLetters) {
    const PrefixCase& c = GetParam();
    EXPECT_EQ(hasPrefixNoCase(c.line, c.keyword), c.expected) << c.line << " / " << c.keyword;
}

INSTANTIATE_TEST_SUITE_P(
    KeywordRule, HasPrefixNoCase,
    testing::Values(PrefixCase{"sim=MD-11", "sim=", 1}, PrefixCase{"SIM=MD-11", "sim=", 1},
                    PrefixCase{"Sim=x", "sim=", 1}, PrefixCase{" sim=MD-11", "sim=", 0},
                    PrefixCase{"sim =MD-11", "sim=", 0}, PrefixCase{"sim", "sim=", 0},
                    PrefixCase{"", "sim=", 0}, PrefixCase{"UI_TYPE=MD-11", "ui_type=", 1},
                    // '_' and '^' differ by 32, as 'a' and 'A' do; only letters are folded.
                    PrefixCase{"ui^type=", "ui_type=", 0}, PrefixCase{"[\xc9]", "[\xe9]", 0},
                    PrefixCase{"panel=", "panel=", 1}, PrefixCase{"model=", "Model=", 1}));

struct HeaderCase {
    const char* line;
    const char* header;
    std::size_t count;
    int expected;
};

class HeaderPrefix : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderPrefix, ComparesAFixedCount) {
    const HeaderCase& c = GetParam();
    EXPECT_EQ(hasPrefixNoCase(c.line, c.header, c.count), c.expected) << c.line;
}

INSTANTIATE_TEST_SUITE_P(SectionHeaders, HeaderPrefix,
                         testing::Values(HeaderCase{"[FLTSIM.0]", "[fltsim.", 8, 1},
                                         HeaderCase{"[fltsim.12]", "[fltsim.", 8, 1},
                                         HeaderCase{"[fltsim]", "[fltsim.", 8, 0},
                                         HeaderCase{"[General] ; comment", "[General]", 9, 1},
                                         HeaderCase{"[GENERAL]", "[General]", 9, 1},
                                         HeaderCase{"[General", "[General]", 9, 0},
                                         HeaderCase{"SIM=MD-11_zrk", "sim=", 4, 1}));

TEST(EqualsNoCase, ComparesWholeTexts) {
    EXPECT_TRUE(equalsNoCase("md-11", "MD-11"));
    EXPECT_TRUE(equalsNoCase("", ""));
    EXPECT_FALSE(equalsNoCase("MD-11F", "MD-11"));
    EXPECT_FALSE(equalsNoCase("MD-11", "MD-11F"));
    EXPECT_FALSE(equalsNoCase("MD-11 ", "MD-11"));
}

} // namespace
