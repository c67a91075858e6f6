// The system half on Windows, files: the live file-operations table over kernel32, never through a
// link, every written file flushed and every move written through.
#include <windows.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "platform/platform.h"

#include <cstring>
#include <new>
#include <string>

struct RawFile {
    HANDLE handle;
    bool written; // flushed before it is closed
};

namespace {

// Every path field of the installer holds 259 characters; a longer path is refused before
// Windows sees it, as on the other platforms.
bool fits(const char* path) {
    return std::strlen(path) < kPathCapacity;
}

const char* lastName(const char* path) {
    const char* name = std::strrchr(path, '\\');
    return name != nullptr ? name + 1 : path;
}

bool hasWildcard(const char* path) {
    return std::strpbrk(lastName(path), "*?") != nullptr;
}

// Letters fold to upper case, as NTFS orders its folders: "XA" sorts before "X_".
char foldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Case-insensitive ASCII order, then byte order, so that every platform picks the same entry.
int compareNames(const char* a, const char* b) {
    for (std::size_t i = 0;; ++i) {
        unsigned char fa = static_cast<unsigned char>(foldCase(a[i]));
        unsigned char fb = static_cast<unsigned char>(foldCase(b[i]));
        if (fa != fb) {
            return fa < fb ? -1 : 1;
        }
        if (a[i] == '\0') {
            return std::strcmp(a, b);
        }
    }
}

bool isDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// The path the system reaches when it opens `path`, links followed; empty when it cannot tell
// (Windows XP has no such query, and no links to files either).
std::string finalPath(const std::string& path) {
    using Query = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
    static const Query query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA")));
    if (query == nullptr) {
        return "";
    }
    HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return "";
    }
    char buffer[2 * MAX_PATH];
    DWORD length = query(handle, buffer, sizeof buffer, 0);
    CloseHandle(handle);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : "";
}

// A link that Windows shows as one (a reparse point), or one it hides: under Wine a POSIX link to
// a file looks like a plain file, and only the path it leads to gives it away.
bool isLink(const char* path, const WIN32_FIND_DATAA& entry) {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return true;
    }
    std::string folder(path, static_cast<std::size_t>(lastName(path) - path));
    if (folder.empty()) {
        folder = ".\\";
    }
    std::string reached = finalPath(path);
    std::string folderReached = finalPath(folder);
    if (reached.empty() || folderReached.empty()) {
        return false;
    }
    if (folderReached.back() != '\\') {
        folderReached += '\\';
    }
    std::string expected = folderReached + entry.cFileName;
    if (reached.size() != expected.size()) {
        return true;
    }
    for (std::size_t i = 0; i < reached.size(); ++i) {
        if (foldCase(reached[i]) != foldCase(expected[i])) {
            return true;
        }
    }
    return false;
}

void storeEntry(const WIN32_FIND_DATAA& entry, bool link, FindResult* result) {
    std::strncpy(result->name, entry.cFileName, kPathCapacity - 1);
    result->name[kPathCapacity - 1] = '\0';
    result->sizeLow = entry.nFileSizeLow;
    result->isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    result->isLink = link;
    result->readOnly = (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool win32FindFirst(const char* pathOrPattern, FindResult* result) {
    if (!fits(pathOrPattern)) {
        return false;
    }
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pathOrPattern, &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (!hasWildcard(pathOrPattern)) {
        FindClose(search);
        storeEntry(entry, isLink(pathOrPattern, entry), result);
        return true;
    }
    // The order of FindFirstFile depends on the file system: take the least name instead.
    WIN32_FIND_DATAA best{};
    bool found = false;
    do {
        if (!isDotEntry(entry.cFileName) &&
            (!found || compareNames(entry.cFileName, best.cFileName) < 0)) {
            best = entry;
            found = true;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    if (found) {
        bool link = (best.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        storeEntry(best, link, result);
    }
    return found;
}

// What stands under a name, as far as the installer may touch it.
struct Entry {
    bool exists, link, directory, readOnly;
    // May be written over, replaced or removed: under Wine, removing or moving a POSIX link
    // acts on its target, and Windows itself refuses to replace a read-only file.
    bool writable() const { return !exists || (!link && !directory && !readOnly); }
    // May be renamed or given a second name: a file, read-only or not, that is no link.
    bool movable() const { return exists && !link && !directory; }
};

Entry entryAt(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) {
        return Entry{};
    }
    FindClose(search);
    return Entry{true, isLink(path, found),
                 (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                 (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0};
}

// Removes what stands under the name, then creates the file anew under the name as it was
// stored, as an overwrite would keep it.
HANDLE createAfresh(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    std::string stored = path;
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        Entry existing = entryAt(path);
        stored.replace(static_cast<std::size_t>(lastName(path) - path), std::string::npos,
                       found.cFileName);
        if (!existing.writable() || !DeleteFileA(path)) {
            return INVALID_HANDLE_VALUE;
        }
    }
    return CreateFileA(stored.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

constexpr DWORD kLargestTransfer = 1u << 30;

bool writeAll(HANDLE handle, const char* next, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(size < kLargestTransfer ? size : kLargestTransfer);
        if (!WriteFile(handle, next, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        next += written;
        size -= written;
    }
    return true;
}

bool copyContents(HANDLE in, HANDLE out) {
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(in, buffer, sizeof buffer, &count, nullptr)) {
            return false;
        }
        if (count == 0) {
            return true;
        }
        if (!writeAll(out, buffer, count)) {
            return false;
        }
    }
}

bool win32CopyFile(const char* from, const char* to) {
    if (!fits(from) || !fits(to)) {
        return false;
    }
    HANDLE in = CreateFileA(from, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) {
        return false;
    }
    HANDLE out = createAfresh(to);
    bool copied = out != INVALID_HANDLE_VALUE && copyContents(in, out) && FlushFileBuffers(out);
    if (out != INVALID_HANDLE_VALUE) {
        copied = CloseHandle(out) && copied;
        if (!copied) {
            DeleteFileA(to); // the file made here: never half a copy under the name
        }
    }
    CloseHandle(in);
    return copied;
}

bool win32KeepFile(const char* path, const char* keep) {
    if (!fits(path) || !fits(keep) || !entryAt(path).movable() || entryAt(keep).exists) {
        return false;
    }
    if (CreateHardLinkA(keep, path, nullptr)) {
        return true;
    }
    // FAT disks have no hard links: a copy, created new, keeps the bytes.
    DWORD error = GetLastError();
    if (error != ERROR_INVALID_FUNCTION && error != ERROR_NOT_SUPPORTED) {
        return false;
    }
    HANDLE in = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) {
        return false;
    }
    HANDLE out =
        CreateFileA(keep, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool kept = out != INVALID_HANDLE_VALUE && copyContents(in, out) && FlushFileBuffers(out);
    if (out != INVALID_HANDLE_VALUE) {
        kept = CloseHandle(out) && kept;
        if (!kept) {
            DeleteFileA(keep);
        }
    }
    CloseHandle(in);
    return kept;
}

bool win32ReplaceFile(const char* replaced, const char* replacement) {
    if (!fits(replaced) || !fits(replacement) || !entryAt(replacement).movable()) {
        return false;
    }
    Entry target = entryAt(replaced);
    if (target.exists && !target.movable()) {
        return false;
    }
    // Windows will not replace a read-only file; the name is about to hold the new file, and the
    // old one leaves with its bytes (its kept copy may lose the attribute).
    DWORD attributes = GetFileAttributesA(replaced);
    if (target.readOnly) {
        SetFileAttributesA(replaced, attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (MoveFileExA(replacement, replaced, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    if (target.readOnly) {
        SetFileAttributesA(replaced, attributes);
    }
    return false;
}

bool win32DeleteFile(const char* path) {
    if (!fits(path)) {
        return false;
    }
    Entry entry = entryAt(path);
    return entry.exists && entry.writable() && DeleteFileA(path);
}

RawFile* win32OpenFile(const char* path, FileAccess access) {
    if (!fits(path)) {
        return nullptr;
    }
    bool writing = access == FileAccess::write;
    HANDLE handle = writing ? createAfresh(path)
                            : CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    RawFile* file = new (std::nothrow) RawFile{handle, writing};
    if (file == nullptr) {
        CloseHandle(handle);
    }
    return file;
}

std::ptrdiff_t win32ReadFile(RawFile* file, void* buffer, std::size_t size) {
    DWORD count = 0;
    if (!ReadFile(file->handle, buffer,
                  static_cast<DWORD>(size < kLargestTransfer ? size : kLargestTransfer), &count,
                  nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(count);
}

bool win32WriteFile(RawFile* file, const void* data, std::size_t size) {
    return writeAll(file->handle, static_cast<const char*>(data), size);
}

bool win32CloseFile(RawFile* file) {
    bool flushed = !file->written || FlushFileBuffers(file->handle);
    bool closed = CloseHandle(file->handle) != FALSE;
    delete file;
    return flushed && closed;
}

FileOps liveFileOps = {
    win32FindFirst, win32CopyFile, win32KeepFile,  win32ReplaceFile, win32DeleteFile,
    win32OpenFile,  win32ReadFile, win32WriteFile, win32CloseFile,
};

} // namespace

FileOps& fileOps() {
    return liveFileOps;
}
