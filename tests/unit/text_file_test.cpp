// Text files: the same line ends everywhere, lines cut at capacity, failures where they occur.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

TEST(TextFile, ReadsLinesWithTheirEndsTranslated) {
    const std::string xs(4095, 'x'); // a CR at the last place of the 4096-byte read buffer
    const std::tuple<std::string, std::size_t, std::vector<std::string>> cases[] = {
        {"a\r\nb\rc\r\r\nd\x1a\r\n\x1a\r\n\r", 64, {"a\n", "b\rc\r\n", "d\x1a\n", "\x1a\n", "\r"}},
        {"abcdefg\r\nh", 5, {"abcd", "efg\n", "h"}}, // capacity - 1 characters at most
        {"ab\r\ncd", 4, {"ab\n", "cd"}},
        {"ab\r\n", 3, {"ab", "\n"}},
        {xs + "\r\ny", 8192, {xs + "\n", "y"}},
        {xs + "\rz", 8192, {xs + "\rz"}},
        {"", 64, {}},
    };
    for (const auto& [bytes, capacity, expected] : cases) {
        SCOPED_TRACE(bytes.substr(0, 12));
        TestFolder folder;
        folder.put("file.txt", bytes);
        TextFile* file = openTextFile(folder.core("FILE.TXT").c_str(), TextFileMode::read);
        ASSERT_NE(file, nullptr);
        std::vector<std::string> lines;
        std::vector<char> buffer(capacity);
        while (std::size_t length = readTextLine(file, buffer.data(), capacity)) {
            EXPECT_EQ(buffer[length], '\0');
            lines.emplace_back(buffer.data(), length);
        }
        EXPECT_EQ(lines, expected);
        EXPECT_TRUE(textFileAtEnd(file) && !textFileFailed(file) && closeTextFile(file));
    }
}

TEST(TextFile, WritesEveryLineFeedAsCrLfOverFormerContents) {
    TestFolder folder;
    folder.put("OUT.TXT", std::string(5000, 'o'));
    const std::string as(1023, 'a'); // an LF where the 1024-byte translation buffer is full
    FailingFileOps failing;
    failing.failWriteNumber(4); // the first text takes two writes
    TextFile* file = openTextFile(folder.core("out.txt").c_str(), TextFileMode::write);
    ASSERT_NE(file, nullptr);
    const std::string texts[] = {as + "\nb", "\na\r\n\x1a\rz\n", "lost\n", "", "end"};
    for (const std::string& text : texts) {
        EXPECT_EQ(writeText(file, text.c_str()), text != "lost\n"); // each reports its own failure
    }
    EXPECT_TRUE(closeTextFile(file));
    EXPECT_EQ(readNativeFile(folder.native("OUT.TXT")), as + "\r\nb\r\na\r\r\n\x1a\rz\r\nend");
}

TEST(TextFile, ReadErrorIsNoEndAndLosesTheCutLine) {
    TestFolder folder;
    folder.put("in.cfg", std::string(5000, 's') + "\r\nnext\r\n");
    FailingFileOps failing;
    failing.failReadNumber(2); // the first line spans two reads; the second fails
    TextFile* in = openTextFile(folder.core("in.cfg").c_str(), TextFileMode::read);
    ASSERT_NE(in, nullptr);
    char line[8192] = "stale";
    EXPECT_EQ(readTextLine(in, line, sizeof line), 0u); // a cut line must not pass for a line
    EXPECT_STREQ(line, "");
    EXPECT_TRUE(textFileFailed(in) && !textFileAtEnd(in));
    EXPECT_EQ(readTextLine(in, line, sizeof line), 0u);
    EXPECT_TRUE(closeTextFile(in));
}
