// The fuzz targets' whole system half: an in-memory file system behind the file-operations table
// (a run touches no disk and sees every entry and open file), injected faults, and the model of
// the line reader. Included once in each fuzz program.
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
    std::ranges::for_each(
        path, [](char& c) { c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return path;
}
Entry* file(const char* path) {
    auto found = entries.find(key(path));
    return found != entries.end() && !found->second.folder ? &found->second : nullptr;
}
Entry& opened(RawFile* raw) {
    return *reinterpret_cast<Entry*>(raw);
}

} // namespace memory

FileOps& fileOps() {
    using namespace memory;
    static FileOps table = {
        [](const char* pathOrPattern, FindResult* result) { // the text around the stars matches
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
                    result->sizeLow = entry.size != 0
                                          ? entry.size
                                          : static_cast<std::uint32_t>(entry.bytes.size());
                    result->isDirectory = entry.folder;
                    return true;
                }
            }
            return false;
        },
        [](const char*, const char*) { return false; }, // no fuzz target copies a file
        [](const char* path, const char* keep) {
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
        [](RawFile* raw, void* buffer, std::size_t size) -> std::ptrdiff_t {
            Entry& entry = opened(raw);
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
        },
        [](RawFile* raw, const void* data, std::size_t size) {
            return ++faults.writes != faults.failWrite &&
                   (opened(raw).bytes.append(static_cast<const char*>(data), size), true);
        },
        [](RawFile* raw) { return (opened(raw).position = 0, --openFiles >= 0); }};
    return table;
}

// A broken property: the message and an abort, which libFuzzer keeps as a crash with its input.
void fuzzCheck(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "\n*** %s\n", what);
        std::abort();
    }
}

// What readConfigLine must give, from its contract alone: fgets of 2047 characters on a stream
// where CR LF reads as LF, every CR and LF at the line's end stripped; 2047 characters without a
// line end are too long, and no caller reads on. The lines, and the code that ends them.
std::vector<std::string> modelLines(const std::string& bytes, ResultCode& end) {
    std::string stream;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            stream += bytes[i];
        }
    }
    std::vector<std::string> lines;
    end = endOfFile;
    for (std::size_t at = 0; at < stream.size() && end == endOfFile;) {
        const std::size_t lineEnd = std::min(stream.find('\n', at), stream.size() - 1) + 1;
        std::string line = stream.substr(at, std::min(lineEnd - at, kLineCapacity - 1));
        at += line.size();
        if (line.size() == kLineCapacity - 1 && line.back() != '\n' && line.back() != '\r') {
            end = lineTooLong;
        } else {
            lines.push_back(line.erase(line.find_last_not_of("\r\n") + 1));
        }
    }
    return lines;
}

// The key test of the scanner and the rewrite, kept apart from theirs: ASCII letters only fold.
bool beginsWith(std::string_view line, std::string_view keyword) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return line.size() >= keyword.size() &&
           std::ranges::equal(line.substr(0, keyword.size()), keyword, {}, fold, fold);
}

// An input's hash: the choices a run makes come from its input, so that a crash file replays it.
std::uint32_t hashOf(const std::string& input) {
    return static_cast<std::uint32_t>(std::hash<std::string>{}(input));
}
