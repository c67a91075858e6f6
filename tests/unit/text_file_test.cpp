// Text files: the same line ends everywhere, lines cut at capacity, failures where they occur.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

TEST(TextFile, ReadsLinesWithTheirEndsTranslated) {
    const std::string xs(kTextFileBufferSize - 1, 'x'); // a CR at the read buffer's last place
    const std::tuple<std::string, std::size_t, std::vector<std::string>> cases[] = {
        {"a\r\nb\rc\r\r\nd\x1a\r\n\x1a\r\n\r", 64, {"a\n", "b\rc\r\n", "d\x1a\n", "\x1a\n", "\r"}},
        {"abcdefg\r\nh", 5, {"abcd", "efg\n", "h"}}, // capacity - 1 characters at most
        {"ab\r\ncd", 4, {"ab\n", "cd"}},
        {"ab\r\n", 3, {"ab", "\n"}},
        {xs + "\r\ny", 2 * kTextFileBufferSize, {xs + "\n", "y"}},
        {xs + "\rz", 2 * kTextFileBufferSize, {xs + "\rz"}},
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

// Whole buffers only reach the system; a failed one is reported at close, and nothing after it.
TEST(TextFile, WritesWholeBuffersWithCrLfAndReportsAFailedOneAtClose) {
    const std::string as(kTextFileBufferSize - 13, 'a'); // fills the first buffer exactly
    const std::string texts[] = {"\na\r\n\x1a\rz\n", "", as + "\n", "b"}; // a 1-byte tail
    for (unsigned failing : {0u, 1u}) {
        TestFolder folder;
        folder.put("OUT.TXT", std::string(2 * kTextFileBufferSize, 'o'));
        FailingFileOps ops;
        ops.failNth(FileCall::write, failing);
        TextFile* file = openTextFile(folder.core("out.txt").c_str(), TextFileMode::write);
        ASSERT_NE(file, nullptr);
        for (const std::string& text : texts) {
            writeText(file, text.c_str());
        }
        EXPECT_EQ(closeTextFile(file), failing == 0);
        EXPECT_EQ(ops.callCount(FileCall::write), failing == 0 ? 2u : 1u);
        EXPECT_EQ(readNativeFile(folder.native("OUT.TXT")),
                  failing == 0 ? "\r\na\r\r\n\x1a\rz\r\n" + as + "\r\nb" : "");
    }
}

TEST(TextFile, ReadErrorIsNoEndAndLosesTheCutLine) {
    TestFolder folder;
    folder.put("in.cfg", std::string(kTextFileBufferSize + 1000, 's') + "\r\nnext\r\n");
    FailingFileOps failing;
    failing.failNth(FileCall::read, 2); // the first line spans two reads; the second fails
    TextFile* in = openTextFile(folder.core("in.cfg").c_str(), TextFileMode::read);
    ASSERT_NE(in, nullptr);
    std::vector<char> line(2 * kTextFileBufferSize, 's');
    EXPECT_EQ(readTextLine(in, line.data(), line.size()),
              0u); // a cut line must not pass for a line
    EXPECT_STREQ(line.data(), "");
    EXPECT_TRUE(textFileFailed(in) && !textFileAtEnd(in));
    EXPECT_EQ(readTextLine(in, line.data(), line.size()), 0u);
    EXPECT_TRUE(closeTextFile(in));
}
