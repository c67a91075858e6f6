// Descriptor I/O and the no-replace rename of the POSIX system half.
#include "platform/posix/posix_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size) {
    for (;;) {
        ssize_t count = read(fd, buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t count = write(fd, next, size);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        next += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

namespace {

// The system's own exclusive rename: 1 done, 0 refused, -1 not offered for these names.
int exclusiveRename(const char* from, const char* to) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
        return 1;
    }
    return (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP) ? -1 : 0;
#elif defined(__APPLE__) && defined(RENAME_EXCL)
    if (renamex_np(from, to, RENAME_EXCL) == 0) {
        return 1;
    }
    return (errno == ENOTSUP || errno == EINVAL) ? -1 : 0;
#else
    (void)from;
    (void)to;
    return -1;
#endif
}

} // namespace

bool renameNoReplace(const char* from, const char* to) {
    int done = exclusiveRename(from, to);
    if (done >= 0) {
        return done == 1;
    }
    // A hard link is refused when the target exists, so it is as safe as the exclusive rename.
    if (link(from, to) == 0) {
        if (unlink(from) == 0) {
            return true;
        }
        unlink(to);
        return false;
    }
    if (errno == EEXIST || errno == ENOENT) {
        return false;
    }
    // No hard links here (a folder, or a file system without them): check, then rename.
    struct stat target;
    if (lstat(to, &target) == 0 || errno != ENOENT) {
        return false;
    }
    return rename(from, to) == 0;
}
