// The in-memory file system of the fuzz targets; it is the fuzz programs' whole system half.
#include "fuzz/memory_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/platform.h"

namespace memory_files {
namespace {

struct Entry {
    std::string path; // as stored
    bool folder;
    std::string bytes;
    std::optional<std::uint32_t> size;
};

struct Handle {
    std::string key;
    std::size_t position;
};

std::map<std::string, Entry> entries; // by path in upper case: case-insensitive name order
int openCount = 0;
Faults active;

std::string folded(std::string_view path) {
    std::string key(path);
    for (char& c : key) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    }
    return key;
}

std::string parentOf(const std::string& path) {
    std::size_t cut = path.rfind('\\');
    return cut == std::string::npos ? "" : path.substr(0, cut);
}

std::string lastName(const std::string& path) {
    return path.substr(path.rfind('\\') + 1); // npos + 1 is 0
}

// * and ? over folded names; backtracks to the last star only, so no input makes it slow.
bool matches(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++, mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1, n = ++mark;
        } else {
            return false;
        }
    }
    return pattern.find_first_not_of('*', p) == std::string_view::npos;
}

Entry* lookup(const std::string& path, bool folder) {
    auto found = entries.find(folded(path));
    return found != entries.end() && found->second.folder == folder ? &found->second : nullptr;
}

// A new entry needs its folder.
bool canCreate(const std::string& path) {
    return lookup(parentOf(path), true) != nullptr && entries.count(folded(path)) == 0;
}

bool findEntry(const char* pathOrPattern, FindResult* result) {
    const std::string key = folded(pathOrPattern);
    const std::string pattern = lastName(key);
    const Entry* found = nullptr;
    if (pattern.find_first_of("*?") == std::string::npos) {
        auto exact = entries.find(key);
        found = exact == entries.end() ? nullptr : &exact->second;
    } else {
        for (const auto& [name, entry] : entries) {
            if (parentOf(name) == parentOf(key) && matches(pattern, lastName(name))) {
                found = &entry;
                break;
            }
        }
    }
    if (found == nullptr) {
        return false;
    }
    std::string name = lastName(found->path);
    std::snprintf(result->name, sizeof result->name, "%s", name.c_str());
    result->isDirectory = found->folder;
    result->isLink = false;
    result->readOnly = false;
    result->sizeLow = found->size.value_or(static_cast<std::uint32_t>(found->bytes.size()));
    return true;
}

bool copyEntry(const char* from, const char* to) {
    const Entry* source = lookup(from, false);
    const Entry* target = lookup(to, false);
    if (source == nullptr || (target == nullptr && !canCreate(to))) {
        return false;
    }
    Entry copy = *source;
    copy.path = target == nullptr ? to : target->path;
    entries[folded(to)] = copy;
    return true;
}

// A second name is a copy here: the fuzz targets never write a file once it has been kept.
bool keepEntry(const char* path, const char* keep) {
    const Entry* source = lookup(path, false);
    if (source == nullptr || !canCreate(keep)) {
        return false;
    }
    Entry kept = *source;
    kept.path = keep;
    entries[folded(keep)] = kept;
    return true;
}

bool replaceEntry(const char* replaced, const char* replacement) {
    const Entry* source = lookup(replacement, false);
    const Entry* target = lookup(replaced, false);
    if (source == nullptr || (target == nullptr && !canCreate(replaced))) {
        return false;
    }
    Entry moved = *source;
    moved.path = target == nullptr ? replaced : target->path;
    entries.erase(folded(replacement));
    entries[folded(replaced)] = moved;
    return true;
}

bool deleteEntry(const char* path) {
    return lookup(path, false) != nullptr && entries.erase(folded(path)) == 1;
}

RawFile* openEntry(const char* path, FileAccess access) {
    if (++active.opens == active.failOpen) {
        active.openFailed = true;
        return nullptr;
    }
    Entry* file = lookup(path, false);
    if (access == FileAccess::write) {
        if (file == nullptr && canCreate(path)) {
            file = &(entries[folded(path)] = Entry{path, false, "", std::nullopt});
        }
        if (file != nullptr) {
            file->bytes.clear(), file->size.reset();
        }
    }
    if (file == nullptr) {
        return nullptr;
    }
    ++openCount;
    return reinterpret_cast<RawFile*>(new Handle{folded(path), 0});
}

std::ptrdiff_t readEntry(RawFile* raw, void* buffer, std::size_t size) {
    Handle* handle = reinterpret_cast<Handle*>(raw);
    auto file = entries.find(handle->key);
    if (file == entries.end()) {
        return -1;
    }
    if (++active.reads == active.failRead) {
        active.readFailed = true;
        return -1;
    }
    const std::string& bytes = file->second.bytes;
    std::size_t count = std::min(size, bytes.size() - std::min(handle->position, bytes.size()));
    if (active.shortReads != 0 && count > 0) { // xorshift: a different cut on every read
        active.shortReads ^= active.shortReads << 13, active.shortReads ^= active.shortReads >> 17;
        active.shortReads ^= active.shortReads << 5;
        count = 1 + active.shortReads % count;
    }
    std::memcpy(buffer, bytes.data() + handle->position, count);
    handle->position += count;
    return static_cast<std::ptrdiff_t>(count);
}

bool writeEntry(RawFile* raw, const void* data, std::size_t size) {
    auto file = entries.find(reinterpret_cast<Handle*>(raw)->key);
    if (file == entries.end()) {
        return false;
    }
    if (++active.writes == active.failWrite) {
        active.writeFailed = true;
        return false;
    }
    file->second.bytes.append(static_cast<const char*>(data), size);
    return true;
}

bool closeEntry(RawFile* raw) {
    --openCount;
    delete reinterpret_cast<Handle*>(raw);
    return true;
}

} // namespace

void reset() {
    entries.clear();
    openCount = 0;
    active = Faults{};
}

void addFolder(const std::string& path) {
    entries[folded(path)] = Entry{path, true, "", std::nullopt};
}

void addFile(const std::string& path, std::string_view bytes, std::optional<std::uint32_t> size) {
    entries[folded(path)] = Entry{path, false, std::string(bytes), size};
}

std::map<std::string, std::string> snapshot() {
    std::map<std::string, std::string> tree;
    for (const auto& [key, entry] : entries) {
        tree[entry.path] = entry.folder ? "<folder>" : entry.bytes;
    }
    return tree;
}

int openFiles() {
    return openCount;
}

Faults& faults() {
    return active;
}

} // namespace memory_files

// The whole table is ours: a file operation added to it must get an in-memory version here.
static_assert(sizeof(FileOps) == 9 * sizeof(void*), "give the new file operation a memory form");
FileOps& fileOps() {
    using namespace memory_files;
    static FileOps table = {findEntry, copyEntry, keepEntry,  replaceEntry, deleteEntry,
                            openEntry, readEntry, writeEntry, closeEntry};
    return table;
}

[[noreturn]] void fuzzFailure(const char* what, std::string_view input) {
    std::fprintf(stderr, "\n*** %s (input of %zu bytes)\n", what, input.size());
    std::abort();
}
