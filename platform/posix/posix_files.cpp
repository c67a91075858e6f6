// The file operations of the POSIX system half: Windows-form paths resolved without regard to
// letter case (the exact name first), never through a link, every written file and changed folder
// synced.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_io.h"
#include "platform/posix/posix_paths.h"

struct RawFile {
    int fd;
    bool written; // synced before it is closed
};

namespace {

// What the core sees of an entry: a link is reported as such, with the kind of its target.
struct EntryStatus {
    bool exists, isLink, isDirectory, readOnly;
    bool dangling; // a link that leads nowhere
    off_t size;
};

EntryStatus entryStatus(const std::string& native) {
    EntryStatus entry{};
    struct stat status;
    if (lstat(native.c_str(), &status) != 0) {
        return entry;
    }
    entry.exists = true;
    entry.isLink = S_ISLNK(status.st_mode);
    // A dangling link still is an entry of its folder, with the link's own status.
    entry.dangling = entry.isLink && stat(native.c_str(), &status) != 0;
    entry.isDirectory = S_ISDIR(status.st_mode);
    // Read-only as Windows (and Wine over a POSIX disk) sees it: nobody may write to it.
    entry.readOnly = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    entry.size = status.st_size;
    return entry;
}

// A file the installer may write over, replace or remove: none of a link, a folder, a read-only
// file. A missing entry is writable.
bool writableEntry(const std::string& native) {
    EntryStatus entry = entryStatus(native);
    return !entry.exists || (!entry.isLink && !entry.isDirectory && !entry.readOnly);
}

bool posixFindFirst(const char* pathOrPattern, FindResult* result) {
    std::string folder;
    std::string last;
    if (!splitCorePath(pathOrPattern, &folder, &last)) {
        return false;
    }
    std::string name = last;
    bool pattern = hasWildcards(last);
    if (!findStoredName(folder, last, pattern, &name) && pattern) {
        return false;
    }
    // A link that leads nowhere is not found, as Windows programs under Wine do not see it;
    // it still stops any write under its name.
    EntryStatus entry = entryStatus(joinNativePath(folder, name));
    if (name.size() >= sizeof result->name || !entry.exists || entry.dangling) {
        return false;
    }
    std::memcpy(result->name, name.c_str(), name.size() + 1);
    result->isDirectory = entry.isDirectory;
    result->isLink = entry.isLink;
    result->readOnly = entry.readOnly;
    result->sizeLow = entry.isDirectory ? 0 : static_cast<std::uint32_t>(entry.size);
    return true;
}

// Removes a file that the installer may remove; never a link's target, never a folder.
bool removeEntry(const std::string& native) {
    return writableEntry(native) && unlink(native.c_str()) == 0;
}

// A new file under that exact name; fails on anything already there, a link included.
int createNew(const std::string& native) {
    return open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

// Removes what stands under the name, then creates the file anew.
int createAfresh(const std::string& native) {
    if (entryStatus(native).exists && !removeEntry(native)) {
        return -1;
    }
    return createNew(native);
}

bool copyContents(int in, int out) {
    char buffer[65536];
    for (;;) {
        std::ptrdiff_t count = readSome(in, buffer, sizeof buffer);
        if (count <= 0) {
            return count == 0;
        }
        if (!writeAll(out, buffer, static_cast<std::size_t>(count))) {
            return false;
        }
    }
}

// Copies an open regular file into a file created afresh, synced and closed.
bool copyInto(int in, const std::string& target, bool mustBeNew) {
    struct stat status;
    if (fstat(in, &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    int out = mustBeNew ? createNew(target) : createAfresh(target);
    if (out < 0) {
        return false;
    }
    bool copied = copyContents(in, out) && syncDescriptor(out);
    copied = close(out) == 0 && copied;
    if (!copied) {
        unlink(target.c_str()); // the file made here: never half a copy under the name
    }
    return copied;
}

bool posixCopyFile(const char* from, const char* to) {
    std::string source;
    std::string target;
    if (!resolveCorePath(from, &source) || !resolveCorePath(to, &target)) {
        return false;
    }
    int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        return false;
    }
    // The source stays open, so it is read whole even when it is the target under another name.
    bool copied = copyInto(in, target, false);
    close(in);
    syncFolderOf(target);
    return copied;
}

// A second name of the file, or a copy of it where the file system has no hard links.
bool secondName(const std::string& native, const std::string& keep) {
    if (link(native.c_str(), keep.c_str()) == 0) {
        return true;
    }
    if (errno != EPERM && errno != EXDEV && errno != EMLINK && errno != ENOTSUP &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        return false;
    }
    int in = open(native.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (in < 0) {
        return false;
    }
    bool kept = copyInto(in, keep, true);
    close(in);
    if (!kept) {
        unlink(keep.c_str());
    }
    return kept;
}

bool posixKeepFile(const char* path, const char* keep) {
    std::string native;
    std::string keepFolder;
    std::string keepName;
    std::string existing;
    if (!resolveCorePath(path, &native) || !splitCorePath(keep, &keepFolder, &keepName)) {
        return false;
    }
    EntryStatus entry = entryStatus(native);
    // The kept name must be free under every letter case, as it would be on Windows.
    if (!entry.exists || entry.isLink || entry.isDirectory ||
        findStoredName(keepFolder, keepName, false, &existing)) {
        return false;
    }
    // No folder sync here: the kept name is made for a replace in the same folder, which syncs.
    return secondName(native, joinNativePath(keepFolder, keepName));
}

bool posixReplaceFile(const char* replaced, const char* replacement) {
    std::string target;
    std::string source;
    if (!resolveCorePath(replaced, &target) || !resolveCorePath(replacement, &source)) {
        return false;
    }
    // A read-only file may be replaced, as a rename of it is allowed on Windows.
    EntryStatus incoming = entryStatus(source);
    EntryStatus existing = entryStatus(target);
    if (!incoming.exists || incoming.isLink || incoming.isDirectory || existing.isLink ||
        existing.isDirectory || rename(source.c_str(), target.c_str()) != 0) {
        return false;
    }
    syncFolderOf(target);
    return true;
}

bool posixDeleteFile(const char* path) {
    std::string native;
    return resolveCorePath(path, &native) && removeEntry(native);
}

RawFile* posixOpenFile(const char* path, FileAccess access) {
    std::string native;
    if (!resolveCorePath(path, &native)) {
        return nullptr;
    }
    bool writing = access == FileAccess::write;
    int fd = writing ? createAfresh(native) : open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    // A folder opens for reading here but not on Windows.
    struct stat status;
    RawFile* file = nullptr;
    if (fstat(fd, &status) == 0 && !S_ISDIR(status.st_mode)) {
        file = new (std::nothrow) RawFile{fd, writing};
    }
    if (file == nullptr) {
        close(fd);
    }
    return file;
}

std::ptrdiff_t posixReadFile(RawFile* file, void* buffer, std::size_t size) {
    return readSome(file->fd, buffer, size);
}

bool posixWriteFile(RawFile* file, const void* data, std::size_t size) {
    return writeAll(file->fd, data, size);
}

bool posixCloseFile(RawFile* file) {
    bool synced = !file->written || syncDescriptor(file->fd);
    // The descriptor is gone even when close reports an interruption; never retry it.
    bool closed = close(file->fd) == 0 || errno == EINTR;
    delete file;
    return synced && closed;
}

} // namespace

FileOps& fileOps() {
    static FileOps table = {posixFindFirst,   posixCopyFile,   posixKeepFile,
                            posixReplaceFile, posixDeleteFile, posixOpenFile,
                            posixReadFile,    posixWriteFile,  posixCloseFile};
    return table;
}
