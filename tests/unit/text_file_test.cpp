// Text files read through the line reader (line ends, the 2047-character limit, a line across the
// end of the read buffer, a read error) and written (CR LF, whole buffers).
#include <gtest/gtest.h>

#include "analysis/config_line_reader.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/test_files.h"

namespace {

// Each line read and its code 0, then the code that stopped the reader.
std::string readAll(const std::string& bytes, unsigned failingRead = 0) {
    TestFolder folder;
    folder.put("aircraft.cfg", bytes);
    FailingFileOps failing;
    failing.failNth(FileCall::read, failingRead);
    TextFile* file = openTextFile(folder.core("AIRCRAFT.CFG").c_str(), TextFileMode::read);
    char buffer[kLineCapacity];
    std::string reads;
    ResultCode code = openFailed;
    while (file != nullptr && (code = readConfigLine(file, buffer, kLineCapacity)) == resultOk) {
        reads += std::string(buffer) + "|0\n";
    }
    closeTextFile(file);
    return reads + std::to_string(code);
}

} // namespace

TEST(ReadConfigLine, ReturnsLinesAndCodes) {
    const std::string k2046(2046, 'x');
    // Lines "a", then "bcd" and its CR at the read buffer's last byte.
    static_assert(kTextFileBufferSize % 3 == 1);
    std::string filler, fillerReads;
    while (filler.size() < kTextFileBufferSize - 4) {
        filler += "a\r\n", fillerReads += "a|0\n";
    }
    const std::pair<std::string, std::string> cases[] = {
        {"", "53"},
        {"a\r\nb\rc\r\r\n\n\x1a\r\n\r", "a|0\nb\rc|0\n|0\n\x1a|0\n|0\n53"},
        {"[fltsim.0]\r\nsim=MD-11\nlast", "[fltsim.0]|0\nsim=MD-11|0\nlast|0\n53"},
        {k2046 + "\r\n" + k2046, k2046 + "|0\n" + k2046 + "|0\n53"},
        {"ok\r\nx" + k2046 + "\r\n", "ok|0\n51"},
        {"x" + k2046, "51"},
        {filler + "bcd\r\ny", fillerReads + "bcd|0\ny|0\n53"},
        {filler + "bcd\rz", fillerReads + "bcd\rz|0\n53"}};
    for (const auto& [bytes, reads] : cases) {
        EXPECT_EQ(readAll(bytes), reads);
    }
    // A read error loses the line it cuts: a cut line must not pass for a line.
    EXPECT_EQ(readAll(filler + "bcd\r\ny", 2), fillerReads + "52");
}

// Only whole buffers reach the system, never a call per line.
TEST(TextFile, WritesWholeBuffersWithCrLf) {
    const std::string as(kTextFileBufferSize - 13, 'a'); // fills the first buffer exactly
    TestFolder folder;
    folder.put("OUT.TXT", std::string(2 * kTextFileBufferSize, 'o'));
    FailingFileOps ops;
    TextFile* file = openTextFile(folder.core("out.txt").c_str(), TextFileMode::write);
    const std::string texts[] = {"\na\r\n\x1a\rz\n", "", as + "\n", "b"}; // a 1-byte tail
    for (const std::string& text : texts) {
        writeText(file, text.c_str());
    }
    EXPECT_TRUE(closeTextFile(file));
    EXPECT_EQ(ops.callCount(FileCall::write), 2u);
    EXPECT_EQ(readNativeFile(folder.native("OUT.TXT")), "\r\na\r\r\n\x1a\rz\r\n" + as + "\r\nb");
}
