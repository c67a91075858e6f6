// Descriptor I/O and the syncs of the POSIX system half.
#include "platform/posix/posix_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

bool syncDescriptor(int fd) {
#if defined(__APPLE__) && defined(F_FULLFSYNC)
    // Not every file system offers the full sync; fsync is then the best there is.
    if (fcntl(fd, F_FULLFSYNC) == 0) {
        return true;
    }
#endif
    while (fsync(fd) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

void syncFolderOf(const std::string& native) {
    std::string::size_type slash = native.rfind('/');
    std::string folder = slash == std::string::npos ? "." : native.substr(0, slash + 1);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        syncDescriptor(fd);
        close(fd);
    }
}
