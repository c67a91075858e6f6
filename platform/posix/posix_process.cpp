// The process services of the POSIX system half: the current directory in Windows form and the
// single-instance guard as a lock file.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_paths.h"

namespace {

// Per user, like a named mutex of a Windows session: the runtime folder is the user's own.
std::string lockFolder() {
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return "/tmp";
}

// The guard's name kept readable; anything that is not safe in a file name becomes '_'. The
// user id keeps users apart in a shared folder.
std::string lockFileName(const char* name) {
    std::string file;
    for (const char* p = name; *p != '\0' && file.size() < 200; ++p) {
        char c = *p;
        bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == ' ' || c == '.' || c == '-' || c == '_';
        file += safe ? c : '_';
    }
    return file + "." + std::to_string(getuid()) + ".lock";
}

} // namespace

InstanceGuard acquireInstanceGuard(const char* name) {
    if (name == nullptr) {
        return InstanceGuard::unavailable;
    }
    std::string path = lockFolder() + "/" + lockFileName(name);
    int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        return InstanceGuard::unavailable;
    }
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? InstanceGuard::alreadyRunning : InstanceGuard::unavailable;
    }
    // The descriptor stays open on purpose: the lock lasts until the process ends.
    return InstanceGuard::owned;
}

void getCurrentDirectory(char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    if (getcwd(buffer, capacity) == nullptr) {
        buffer[0] = '\0';
        return;
    }
    const std::string core = corePathFromNative(buffer);
    core.copy(buffer, core.size());
}
