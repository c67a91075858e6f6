// What the fuzz targets share: an in-memory file system behind the file-operations table (their
// whole system half: a run touches no disk, and sees every entry and open file), injected faults,
// and the model of the line reader. Included once in each fuzz program.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "analysis/config_line_reader.h"
#include "platform/platform.h"

namespace memory {

struct Entry {
    std::string bytes;
    bool folder = false;
    std::uint32_t size = 0;   // what find-first reports when not 0 (a model file of megabytes)
    std::size_t position = 0; // of its one open handle; 0 once closed
    bool operator==(const Entry&) const = default;
};
std::map<std::string, Entry> entries; // by path in upper case, as names compare and sort
int openFiles = 0;
// The Nth read or write fails (0: none); with shortReads, a read returns 1..size bytes.
struct Faults {
    unsigned failRead = 0, failWrite = 0, reads = 0, writes = 0;
    std::uint32_t shortReads = 0;
    bool readFailed() const { return failRead != 0 && reads >= failRead; }
    bool writeFailed() const { return failWrite != 0 && writes >= failWrite; }
} faults;

std::string key(std::string path) {
    std::ranges::transform(path, path.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    return path;
}
Entry* file(const char* path) {
    auto found = entries.find(key(path));
    return found != entries.end() && !found->second.folder ? &found->second : nullptr;
}

// A pattern matches by its text before its first * and after its last: enough for the core's.
bool findEntry(const char* pathOrPattern, FindResult* result) {
    const std::string pattern = key(pathOrPattern);
    const std::size_t star = pattern.find('*');
    for (const auto& [path, entry] : entries) {
        if (star == std::string::npos
                ? path == pattern
                : path.starts_with(pattern.substr(0, star)) &&
                      path.substr(star).ends_with(pattern.substr(pattern.rfind('*') + 1))) {
            *result = {};
            std::snprintf(result->name, kPathCapacity, "%s",
                          path.substr(path.rfind('\\') + 1).c_str());
            result->sizeLow =
                entry.size != 0 ? entry.size : static_cast<std::uint32_t>(entry.bytes.size());
            result->isDirectory = entry.folder;
            return true;
        }
    }
    return false;
}

std::ptrdiff_t readEntry(RawFile* raw, void* buffer, std::size_t size) {
    Entry& entry = *reinterpret_cast<Entry*>(raw);
    std::size_t count = std::min(size, entry.bytes.size() - entry.position);
    if (++faults.reads == faults.failRead) {
        return -1;
    }
    if (faults.shortReads != 0 && count > 0) { // a different cut on every read
        faults.shortReads = faults.shortReads * 1664525u + 1013904223u;
        count = 1 + (faults.shortReads >> 8) % count;
    }
    std::memcpy(buffer, entry.bytes.data() + entry.position, count);
    entry.position += count;
    return static_cast<std::ptrdiff_t>(count);
}

} // namespace memory

FileOps& fileOps() {
    using namespace memory;
    static FileOps table = {
        findEntry,
        [](const char*, const char*) { return false; }, // no fuzz target copies a file
        [](const char* path, const char* keep) {        // a copy: no fuzz target writes a kept file
            return file(path) != nullptr && entries.try_emplace(key(keep), *file(path)).second;
        },
        [](const char* replaced, const char* replacement) {
            if (file(replacement) == nullptr ||
                (file(replaced) == nullptr && entries.count(key(replaced)) != 0)) {
                return false;
            }
            entries[key(replaced)] = entries.extract(key(replacement)).mapped();
            return true;
        },
        [](const char* path) { return file(path) != nullptr && entries.erase(key(path)) == 1; },
        [](const char* path, FileAccess access) {
            if (access == FileAccess::write && (file(path) || entries.count(key(path)) == 0)) {
                entries[key(path)] = {};
            }
            openFiles += file(path) != nullptr;
            return reinterpret_cast<RawFile*>(file(path));
        },
        readEntry,
        [](RawFile* raw, const void* data, std::size_t size) {
            if (++faults.writes == faults.failWrite) {
                return false;
            }
            reinterpret_cast<Entry*>(raw)->bytes.append(static_cast<const char*>(data), size);
            return true;
        },
        [](RawFile* raw) {
            reinterpret_cast<Entry*>(raw)->position = 0;
            return --openFiles >= 0;
        }};
    return table;
}

// A broken property: the message and an abort, which libFuzzer keeps as a crash with its input.
void fuzzCheck(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "\n*** %s\n", what);
        std::abort();
    }
}

// What readConfigLine must give for a file's bytes, from its contract alone: fgets of 2047
// characters on a stream where a CR LF pair reads as one LF, then every CR and LF at the line's
// end stripped; 2047 characters without a line end are too long, and no caller reads on. The
// lines (with any NUL they hold), and the code that ends them.
std::vector<std::string> modelLines(const std::string& bytes, ResultCode& end) {
    std::string stream;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            stream += bytes[i];
        }
    }
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t lineEnd = std::min(stream.find('\n', at), stream.size() - 1) + 1;
        std::string line = stream.substr(at, std::min(lineEnd - at, kLineCapacity - 1));
        at += line.size();
        if (line.size() == kLineCapacity - 1 && line.back() != '\n' && line.back() != '\r') {
            end = lineTooLong;
            return lines;
        }
        lines.push_back(line.erase(line.find_last_not_of("\r\n") + 1));
    }
    end = endOfFile;
    return lines;
}

// The key test of the scanner and the rewrite, kept apart from theirs: ASCII letters only fold.
bool beginsWith(std::string_view line, std::string_view keyword) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return line.size() >= keyword.size() &&
           std::equal(keyword.begin(), keyword.end(), line.begin(),
                      [&](char a, char b) { return fold(a) == fold(b); });
}
