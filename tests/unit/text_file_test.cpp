// Text files: the same line-end translation on every platform, lines cut at the buffer's
// capacity, and end of file told apart from a read error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

namespace {

// Every line readTextLine gives for these bytes, with a buffer of `capacity` characters.
std::vector<std::string> readLines(const std::string& bytes, std::size_t capacity) {
    TestFolder folder;
    folder.put("file.txt", bytes);
    TextFile* file = openTextFile(folder.core("FILE.TXT").c_str(), TextFileMode::read);
    EXPECT_NE(file, nullptr);
    std::vector<std::string> lines;
    if (file == nullptr) {
        return lines;
    }
    std::vector<char> buffer(capacity);
    while (std::size_t length = readTextLine(file, buffer.data(), capacity)) {
        EXPECT_EQ(buffer[length], '\0');
        lines.emplace_back(buffer.data(), length);
    }
    EXPECT_TRUE(textFileAtEnd(file));
    EXPECT_FALSE(textFileFailed(file));
    EXPECT_TRUE(closeTextFile(file));
    return lines;
}

// The bytes on disk after writing these texts to a new file.
std::string writtenBytes(const std::vector<std::string>& texts) {
    TestFolder folder;
    TextFile* file = openTextFile(folder.core("out.txt").c_str(), TextFileMode::write);
    EXPECT_NE(file, nullptr);
    for (const std::string& text : texts) {
        EXPECT_TRUE(writeText(file, text.c_str()));
    }
    EXPECT_TRUE(closeTextFile(file));
    return readNativeFile(folder.native("out.txt"));
}

} // namespace

TEST(TextFile, ReadsLinesWithTheirEndsTranslated) {
    const std::string xs(4095, 'x');
    struct Case {
        const char* title;
        std::string bytes;
        std::size_t capacity;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF reads as LF", "a\r\nb\r\n", 64, {"a\n", "b\n"}},
        {"lone CR kept", "a\rb\n\r", 64, {"a\rb\n", "\r"}},
        {"CR before CR LF", "a\r\r\nb", 64, {"a\r\n", "b"}},
        {"0x1A is an ordinary byte",
         "a\x1a"
         "b\r\n\x1a\r\nc",
         64,
         {"a\x1a"
          "b\n",
          "\x1a\n", "c"}},
        {"line cut at capacity - 1", "abcdefg\r\nh", 5, {"abcd", "efg\n", "h"}},
        {"CR LF at the last free place", "ab\r\ncd", 4, {"ab\n", "cd"}},
        {"CR LF just past the last free place", "ab\r\n", 3, {"ab", "\n"}},
        {"CR LF across the read buffer", xs + "\r\ny", 8192, {xs + "\n", "y"}},
        {"CR alone at the end of the read buffer", xs + "\rz", 8192, {xs + "\rz"}},
        {"empty file", "", 64, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(readLines(c.bytes, c.capacity), c.lines);
    }
}

TEST(TextFile, WritesEveryLineFeedAsCrLf) {
    const std::string as(1023, 'a');
    std::string crlfs;
    for (int i = 0; i < 2000; ++i) {
        crlfs += "\r\n";
    }
    struct Case {
        const char* title;
        std::vector<std::string> texts;
        std::string bytes;
    };
    const Case cases[] = {
        {"lines", {"[fltsim]\nalias=x\n", "\n"}, "[fltsim]\r\nalias=x\r\n\r\n"},
        {"CR LF in the text", {"a\r\n"}, "a\r\r\n"},
        {"0x1A and lone CR", {"\x1a\rz"}, "\x1a\rz"},
        {"LF where the translation buffer fills", {as + "\nb"}, as + "\r\nb"},
        {"many LFs in one text", {std::string(2000, '\n')}, crlfs},
        {"nothing", {""}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(writtenBytes(c.texts), c.bytes);
    }
}

TEST(TextFile, WriteEmptiesAnExistingFile) {
    TestFolder folder;
    folder.put("Panel.cfg", "a longer panel configuration\r\n");
    TextFile* file = openTextFile(folder.core("panel.CFG").c_str(), TextFileMode::write);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(writeText(file, "x\n"));
    EXPECT_TRUE(closeTextFile(file));
    EXPECT_EQ(folder.tree(), (FileTree{{"Panel.cfg", "x\r\n"}}));
}

TEST(TextFile, OpenFailsWithoutAFile) {
    TestFolder folder;
    EXPECT_EQ(openTextFile(folder.core("aircraft.cfg").c_str(), TextFileMode::read), nullptr);
    EXPECT_EQ(openTextFile(folder.core("none\\aircraft.cf_").c_str(), TextFileMode::write),
              nullptr);
    EXPECT_TRUE(closeTextFile(nullptr));
}

TEST(TextFile, ReadErrorIsNotTheEndAndLosesTheCutLine) {
    // The first line spans two reads of the file; the second read fails.
    TestFolder folder;
    folder.put("aircraft.cfg", std::string(5000, 's') + "\r\nnext\r\n");
    FailingFileOps failing;
    failing.failReadNumber(2);
    TextFile* file = openTextFile(folder.core("aircraft.cfg").c_str(), TextFileMode::read);
    ASSERT_NE(file, nullptr);
    char buffer[8192] = "stale";
    EXPECT_EQ(readTextLine(file, buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(textFileFailed(file));
    EXPECT_FALSE(textFileAtEnd(file));
    EXPECT_EQ(readTextLine(file, buffer, sizeof buffer), 0u);
    EXPECT_EQ(failing.callCount(FileCall::read), 2u);
    EXPECT_TRUE(closeTextFile(file));
}

TEST(TextFile, EachWriteReportsItsOwnFailure) {
    TestFolder folder;
    FailingFileOps failing;
    failing.failWriteNumber(2);
    TextFile* file = openTextFile(folder.core("aircraft.cf_").c_str(), TextFileMode::write);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(writeText(file, "one\n"));
    EXPECT_FALSE(writeText(file, "two\n"));
    EXPECT_TRUE(writeText(file, "three\n"));
    EXPECT_TRUE(closeTextFile(file));
    EXPECT_EQ(failing.callCount(FileCall::write), 3u);
    EXPECT_EQ(readNativeFile(folder.native("aircraft.cf_")), "one\r\nthree\r\n");
}
