// The file operations of the POSIX system half: Windows-form paths resolved without regard to
// letter case, binary files on descriptors, a move that never replaces.
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
};

namespace {

bool statEntry(const std::string& native, struct stat* status) {
    // A dangling symbolic link still is an entry of its folder.
    return stat(native.c_str(), status) == 0 || lstat(native.c_str(), status) == 0;
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
    struct stat status;
    if (name.size() >= sizeof result->name || !statEntry(joinNativePath(folder, name), &status)) {
        return false;
    }
    std::memcpy(result->name, name.c_str(), name.size() + 1);
    result->isDirectory = S_ISDIR(status.st_mode);
    result->sizeLow = result->isDirectory ? 0 : static_cast<std::uint32_t>(status.st_size);
    return true;
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
    struct stat sourceStatus;
    struct stat targetStatus;
    bool copied = false;
    // Truncating the target first would destroy a source that is the same file.
    if (fstat(in, &sourceStatus) == 0 && S_ISREG(sourceStatus.st_mode) &&
        !(stat(target.c_str(), &targetStatus) == 0 && targetStatus.st_dev == sourceStatus.st_dev &&
          targetStatus.st_ino == sourceStatus.st_ino)) {
        int out = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (out >= 0) {
            copied = copyContents(in, out);
            copied = close(out) == 0 && copied;
        }
    }
    close(in);
    return copied;
}

bool posixMoveFile(const char* from, const char* to) {
    std::string source;
    std::string targetFolder;
    std::string targetName;
    if (!resolveCorePath(from, &source) || !splitCorePath(to, &targetFolder, &targetName)) {
        return false;
    }
    // The target must be free under every letter case, as it is on Windows.
    std::string existing;
    if (findStoredName(targetFolder, targetName, false, &existing)) {
        return false;
    }
    return renameNoReplace(source.c_str(), joinNativePath(targetFolder, targetName).c_str());
}

bool posixDeleteFile(const char* path) {
    std::string native;
    // unlink refuses folders, as DeleteFile does.
    return resolveCorePath(path, &native) && unlink(native.c_str()) == 0;
}

RawFile* posixOpenFile(const char* path, FileAccess access) {
    std::string native;
    if (!resolveCorePath(path, &native)) {
        return nullptr;
    }
    int flags = access == FileAccess::read ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC;
    int fd = open(native.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        return nullptr;
    }
    // A folder opens for reading here but not on Windows.
    struct stat status;
    RawFile* file = nullptr;
    if (fstat(fd, &status) == 0 && !S_ISDIR(status.st_mode)) {
        file = new (std::nothrow) RawFile{fd};
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
    // The descriptor is gone even when close reports an interruption; never retry it.
    bool closed = close(file->fd) == 0 || errno == EINTR;
    delete file;
    return closed;
}

} // namespace

FileOps& fileOps() {
    static FileOps table = {posixFindFirst, posixCopyFile, posixMoveFile,  posixDeleteFile,
                            posixOpenFile,  posixReadFile, posixWriteFile, posixCloseFile};
    return table;
}
