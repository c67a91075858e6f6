// The system half on Windows, files: the live file-operations table over kernel32.
#include <windows.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "platform/platform.h"

#include <cstring>
#include <new>

struct RawFile {
    HANDLE handle;
};

namespace {

// Every path field of the installer holds 259 characters; a longer path is refused before
// Windows sees it, as on the other platforms.
bool fits(const char* path) {
    return std::strlen(path) < kPathCapacity;
}

bool hasWildcard(const char* path) {
    const char* name = std::strrchr(path, '\\');
    return std::strpbrk(name != nullptr ? name + 1 : path, "*?") != nullptr;
}

// Letters fold to upper case, as NTFS orders its folders: "XA" sorts before "X_".
char foldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Case-insensitive ASCII order, then byte order, so that every platform picks the same entry.
bool sortsBefore(const char* a, const char* b) {
    for (std::size_t i = 0;; ++i) {
        unsigned char fa = static_cast<unsigned char>(foldCase(a[i]));
        unsigned char fb = static_cast<unsigned char>(foldCase(b[i]));
        if (fa != fb) {
            return fa < fb;
        }
        if (a[i] == '\0') {
            break;
        }
    }
    return std::strcmp(a, b) < 0;
}

bool isDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

void storeEntry(const WIN32_FIND_DATAA& entry, FindResult* result) {
    std::strncpy(result->name, entry.cFileName, kPathCapacity - 1);
    result->name[kPathCapacity - 1] = '\0';
    result->sizeLow = entry.nFileSizeLow;
    result->isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
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
        storeEntry(entry, result);
        FindClose(search);
        return true;
    }
    // The order of FindFirstFile depends on the file system: take the least name instead.
    WIN32_FIND_DATAA best{};
    bool found = false;
    do {
        if (!isDotEntry(entry.cFileName) &&
            (!found || sortsBefore(entry.cFileName, best.cFileName))) {
            best = entry;
            found = true;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    if (found) {
        storeEntry(best, result);
    }
    return found;
}

bool win32CopyFile(const char* from, const char* to) {
    return fits(from) && fits(to) && CopyFileA(from, to, FALSE) != FALSE;
}

// MoveFileA never replaces an existing target.
bool win32MoveFile(const char* from, const char* to) {
    return fits(from) && fits(to) && MoveFileA(from, to) != FALSE;
}

bool win32DeleteFile(const char* path) {
    return fits(path) && DeleteFileA(path) != FALSE;
}

RawFile* win32OpenFile(const char* path, FileAccess access) {
    if (!fits(path)) {
        return nullptr;
    }
    bool reading = access == FileAccess::read;
    HANDLE handle = CreateFileA(
        path, reading ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        reading ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    RawFile* file = new (std::nothrow) RawFile{handle};
    if (file == nullptr) {
        CloseHandle(handle);
    }
    return file;
}

std::ptrdiff_t win32ReadFile(RawFile* file, void* buffer, std::size_t size) {
    constexpr std::size_t kLargestRead = 1u << 30;
    DWORD count = 0;
    if (!ReadFile(file->handle, buffer,
                  static_cast<DWORD>(size < kLargestRead ? size : kLargestRead), &count, nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(count);
}

bool win32WriteFile(RawFile* file, const void* data, std::size_t size) {
    constexpr std::size_t kLargestWrite = 1u << 30;
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(size < kLargestWrite ? size : kLargestWrite);
        if (!WriteFile(file->handle, next, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        next += written;
        size -= written;
    }
    return true;
}

bool win32CloseFile(RawFile* file) {
    bool closed = CloseHandle(file->handle) != FALSE;
    delete file;
    return closed;
}

FileOps liveFileOps = {
    win32FindFirst, win32CopyFile, win32MoveFile,  win32DeleteFile,
    win32OpenFile,  win32ReadFile, win32WriteFile, win32CloseFile,
};

} // namespace

FileOps& fileOps() {
    return liveFileOps;
}
