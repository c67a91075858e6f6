// readConfigLine on any bytes against the model, line by line; reads come back in pieces of every
// size, and some runs fail a read: the lines before it are right, then ioFailure.
#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::uint32_t hash = hashOf(input);
    memory::entries = {{"AIRCRAFT.CFG", {input}}};
    memory::faults = {hash % 3 == 0 ? 1 + hash / 8 % 4 : 0, 0, 0, 0, hash % 8 < 4 ? hash | 1 : 0};
    ResultCode end, code = resultOk;
    const std::vector<std::string> lines = modelLines(input, end);
    TextFile* file = openTextFile("aircraft.cfg", TextFileMode::read);
    char buffer[kLineCapacity];
    for (std::size_t i = 0; i <= lines.size() && code == resultOk; ++i) {
        std::memset(buffer, '#', sizeof buffer); // a missing terminator shows
        code = readConfigLine(file, buffer, kLineCapacity);
        fuzzCheck(code == ioFailure ||
                      (i == lines.size()
                           ? code == end
                           : code == resultOk &&
                                 std::string(buffer, lines[i].size() + 1) == lines[i] + '\0'),
                  "wrong line or result code");
    }
    fuzzCheck((code == ioFailure) == memory::faults.readFailed(), "read error not seen");
    closeTextFile(file);
    fuzzCheck(memory::openFiles == 0, "file left open");
    return 0;
}
