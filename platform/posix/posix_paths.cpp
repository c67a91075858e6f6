// Case-insensitive resolution of Windows-form paths on a POSIX file system.
#include "platform/posix/posix_paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

#include "platform/platform.h"

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Letters fold to upper case, as NTFS orders its folders.
int foldedByte(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? byte - ('a' - 'A') : byte;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldedByte(a[i]) != foldedByte(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool splitCorePath(const char* corePath, std::string* folder, std::string* last) {
    // Refuse what would not fit the core's path fields without reading past them.
    if (corePath == nullptr || strnlen(corePath, kPathCapacity) >= kPathCapacity) {
        return false;
    }
    const char* lastSeparator = nullptr;
    for (const char* p = corePath; *p != '\0'; ++p) {
        if (isSeparator(*p)) {
            lastSeparator = p;
        }
    }
    const char* end = lastSeparator != nullptr ? lastSeparator : corePath;
    last->assign(lastSeparator != nullptr ? lastSeparator + 1 : corePath);
    // Windows drops the dots and blanks that end a path, so "model." names the folder model.
    if (*last != "." && *last != "..") {
        std::size_t kept = last->find_last_not_of(". ");
        if (kept != std::string::npos) {
            last->erase(kept + 1);
        }
    }
    if (last->empty()) {
        return false;
    }
    folder->clear();
    if (lastSeparator != nullptr && isSeparator(corePath[0])) {
        folder->push_back('/');
    }
    std::string component;
    std::string stored;
    for (const char* p = corePath; p < end;) {
        if (isSeparator(*p)) {
            ++p;
            continue;
        }
        const char* start = p;
        while (p < end && !isSeparator(*p)) {
            ++p;
        }
        component.assign(start, p);
        if (component != "." && component != ".." &&
            findStoredName(*folder, component, false, &stored)) {
            component = stored;
        }
        *folder = joinNativePath(*folder, component);
    }
    return true;
}

bool resolveCorePath(const char* corePath, std::string* native) {
    std::string folder;
    std::string last;
    if (!splitCorePath(corePath, &folder, &last)) {
        return false;
    }
    std::string stored;
    if (last != "." && last != ".." && findStoredName(folder, last, false, &stored)) {
        last = stored;
    }
    *native = joinNativePath(folder, last);
    return true;
}

std::string joinNativePath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

bool findStoredName(const std::string& folder, const std::string& pattern, bool wildcards,
                    std::string* stored) {
    // The exact name wins over one that differs only in case, as Windows and Wine resolve; it is
    // found without listing the folder.
    struct stat status;
    if (!wildcards && lstat(joinNativePath(folder, pattern).c_str(), &status) == 0) {
        stored->assign(pattern);
        return true;
    }
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        bool match = wildcards ? matchesPatternNoCase(pattern, name) : equalsNoCase(pattern, name);
        // A pattern lists only what can be reached: a link that leads nowhere is passed over.
        if (match && wildcards &&
            stat(joinNativePath(folder, std::string(name)).c_str(), &status) != 0) {
            continue;
        }
        // Listing order is arbitrary here, so the first match is the least in a fixed order.
        if (match && (!found || compareNamesNoCase(name, *stored) < 0)) {
            stored->assign(name);
            found = true;
        }
    }
    closedir(dir);
    return found;
}

bool hasWildcards(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

int compareNamesNoCase(std::string_view a, std::string_view b) {
    std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        if (foldedByte(a[i]) != foldedByte(b[i])) {
            return foldedByte(a[i]) - foldedByte(b[i]);
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

bool matchesPatternNoCase(std::string_view pattern, std::string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos; // pattern position after the last *
    std::size_t starName = 0;                  // name position that * has reached
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = ++p;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || foldedByte(pattern[p]) == foldedByte(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            // Let the last * take one more character and try again from there.
            p = star;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string corePathFromNative(std::string_view native) {
    std::string core(native);
    for (char& c : core) {
        if (c == '/') {
            c = '\\';
        }
    }
    return core;
}
