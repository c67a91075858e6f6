// Aircraft folder and composed paths. A path that does not fit its field is refused whole:
// callers stop before touching any file rather than work on a cut path.
#include "analysis/aircraft_paths.h"

#include <cstring>

bool composePath(char (&path)[kPathCapacity], std::initializer_list<const char*> parts) {
    // Composed apart first, so that path may be one of the parts.
    char composed[kPathCapacity];
    std::size_t length = 0;
    for (const char* part : parts) {
        std::size_t partLength = std::strlen(part);
        if (partLength >= kPathCapacity - length) {
            path[0] = '\0';
            return false;
        }
        std::memcpy(composed + length, part, partLength);
        length += partLength;
    }
    composed[length] = '\0';
    std::memcpy(path, composed, length + 1);
    return true;
}

bool aircraftFolder(const char* cfgPath, char (&folder)[kPathCapacity]) {
    std::size_t length = std::strlen(cfgPath);
    if (length < kCfgNameLength || length - kCfgNameLength >= kPathCapacity) {
        folder[0] = '\0';
        return false;
    }
    length -= kCfgNameLength;
    std::memmove(folder, cfgPath, length);
    folder[length] = '\0';
    return true;
}

const char* configFileName(const char* cfgPath) {
    return cfgPath + (std::strlen(cfgPath) - kCfgNameLength);
}

bool keptCopyPath(const char* path, char (&kept)[kPathCapacity]) {
    return composePath(kept, {path, "_ORIGINAL"});
}
