// The system half on Windows, the process: current directory and single-instance guard.
#include <windows.h>

// <windows.h> first: the message numbers in platform.h then come from Windows itself.
#include "platform/platform.h"

InstanceGuard acquireInstanceGuard(const char* name) {
    // The handle is never closed: the mutex is held until the process ends.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name);
    if (mutex == nullptr) {
        return InstanceGuard::unavailable;
    }
    return GetLastError() == ERROR_ALREADY_EXISTS ? InstanceGuard::alreadyRunning
                                                  : InstanceGuard::owned;
}

void getCurrentDirectory(char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    // A directory that does not fit gives its needed size (with the terminator) instead.
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(capacity), buffer);
    if (length == 0 || length >= capacity) {
        buffer[0] = '\0';
    }
}
