// readConfigLine on any bytes, against the reference model line by line; reads come back in
// pieces of every size, and some runs fail a read: the lines before it are right, then ioFailure.
#include <cstdint>
#include <cstring>

#include "fuzz/line_model.h"
#include "fuzz/memory_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::uint32_t hash = inputHash(input);
    memory_files::reset();
    memory_files::addFile("aircraft.cfg", input);
    memory_files::faults().shortReads = hash % 8 < 4 ? hash | 1 : 0;
    memory_files::faults().failRead = hash % 3 == 0 ? 1 + hash / 8 % 4 : 0;

    TextFile* file = openTextFile("aircraft.cfg", TextFileMode::read);
    fuzzCheck(file != nullptr, "open failed", input);
    char buffer[kLineCapacity];
    bool failed = false;
    for (const ModelLine& expected : modelLines(input)) {
        std::memset(buffer, '#', sizeof buffer); // a missing terminator shows
        const ResultCode code = readConfigLine(file, buffer, kLineCapacity);
        if ((failed = code == ioFailure)) {
            fuzzCheck(memory_files::faults().readFailed, "ioFailure without a read error", input);
            break;
        }
        fuzzCheck(code == expected.code, "wrong result code", input);
        fuzzCheck(code == lineTooLong ||
                      (std::memcmp(buffer, expected.text.data(), expected.text.size()) == 0 &&
                       buffer[expected.text.size()] == '\0'),
                  "wrong line", input);
    }
    fuzzCheck(failed || !memory_files::faults().readFailed, "read error not reported", input);
    closeTextFile(file);
    fuzzCheck(memory_files::openFiles() == 0, "file left open", input);
    return 0;
}
