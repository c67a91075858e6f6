// Text files on the real back end: lines read at the 2047-character limit, and writes in whole
// buffers with CR LF. Line ends, buffer boundaries and read errors: the line reader fuzz target.
#include <gtest/gtest.h>

#include "analysis/config_line_reader.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

TEST(ReadConfigLine, TakesLinesUpTo2046CharactersAndRefusesLonger) {
    const std::string k2046(2046, 'x');
    for (const auto& [bytes, reads] :
         {std::pair{"a\r\nb\rc\r\r\n\n" + k2046 + "\r\nz", "a|b\rc||" + k2046 + "|z|53"},
          {"ok\r\nx" + k2046 + "\r\n", "ok|51"}}) {
        TestFolder folder;
        folder.put("aircraft.cfg", bytes);
        TextFile* file = openTextFile(folder.core("AIRCRAFT.CFG").c_str(), TextFileMode::read);
        char buffer[kLineCapacity];
        std::string got;
        ResultCode code;
        while ((code = readConfigLine(file, buffer, kLineCapacity)) == resultOk) {
            got += std::string(buffer) + "|";
        }
        closeTextFile(file);
        EXPECT_EQ(got + std::to_string(code), reads);
    }
}

// Only whole buffers reach the system, never a call per line.
TEST(TextFile, WritesWholeBuffersWithCrLf) {
    const std::string as(kTextFileBufferSize - 13, 'a'); // fills the first buffer exactly
    TestFolder folder;
    folder.put("OUT.TXT", std::string(2 * kTextFileBufferSize, 'o'));
    FailingFileOps ops;
    TextFile* file = openTextFile(folder.core("out.txt").c_str(), TextFileMode::write);
    for (const std::string& text : {std::string("\na\r\n\x1a\rz\n"), {}, as + "\n", {"b"}}) {
        writeText(file, text.c_str());
    }
    EXPECT_TRUE(closeTextFile(file));
    EXPECT_EQ(ops.callCount(FileCall::write), 2u);
    EXPECT_EQ(readNativeFile(folder.native("OUT.TXT")), "\r\na\r\r\n\x1a\rz\r\n" + as + "\r\nb");
}
