// An in-memory file system behind the file-operations table, so that a fuzz run touches no disk
// and can see what the core left behind: every entry, every file still open, injected faults.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace memory_files {

// Puts the in-memory operations into the live table and empties the file system. Paths are in
// Windows form and compared without regard to ASCII letter case, as the real back ends do.
void reset();

void addFolder(const std::string& path);
// With a size, find-first gives that size whatever the bytes (a model file of megabytes).
void addFile(const std::string& path, std::string_view bytes,
             std::optional<std::uint32_t> size = std::nullopt);

// Every entry by its stored path: a file's bytes, or "<folder>".
std::map<std::string, std::string> snapshot();
int openFiles();

// Faults and short reads for the operations that follow; calls count from 1 from when the record
// is set (0: no fault).
struct Faults {
    unsigned failOpen = 0, failRead = 0, failWrite = 0;
    std::uint32_t shortReads = 0; // non-zero: each read returns a pseudo-random 1..size bytes
    unsigned opens = 0, reads = 0, writes = 0;
    bool openFailed = false, readFailed = false, writeFailed = false; // the fault happened
};
Faults& faults();

} // namespace memory_files

// The fuzzers' one way to report a broken property: the message and an abort, which libFuzzer
// keeps as a crash with its input.
[[noreturn]] void fuzzFailure(const char* what, std::string_view input);
inline void fuzzCheck(bool holds, const char* what, std::string_view input) {
    if (!holds) {
        fuzzFailure(what, input);
    }
}

// FNV-1a: choices a run makes (faults, state) come from its input, so a crash file replays it.
inline std::uint32_t inputHash(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}
