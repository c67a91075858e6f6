// File fixtures for tests through std::filesystem and file streams.
#include "tests/support/test_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace fs = std::filesystem;

std::string toNativePath(std::string corePath) {
    std::replace(corePath.begin(), corePath.end(), '\\', char(fs::path::preferred_separator));
    return corePath;
}

std::string toCorePath(std::string nativePath) {
    std::replace(nativePath.begin(), nativePath.end(), '/', '\\');
    return nativePath;
}

void writeNativeFile(const std::string& nativePath, const std::string& bytes) {
    std::error_code ignored; // a bare name has no folder to create
    fs::create_directories(fs::path(nativePath).parent_path(), ignored);
    std::ofstream(nativePath, std::ios::binary) << bytes;
}

std::string readNativeFile(const std::string& nativePath) {
    std::ifstream in(nativePath, std::ios::binary | std::ios::ate);
    std::string bytes(in ? static_cast<std::size_t>(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return in ? bytes : std::string();
}

#if defined(_WIN32)
namespace {
// Wine's own name of a Windows path on the POSIX disk below it.
std::string unixName(const std::string& windowsPath) {
    using Query = char*(CDECL*)(const WCHAR*);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* name = query != nullptr ? query(fs::absolute(windowsPath).wstring().c_str()) : nullptr;
    std::string unix = name != nullptr ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

// Runs a POSIX program and waits until `nativePath` is there or not: Wine does not tell when a
// POSIX program it started has ended.
bool exists(const std::string& nativePath) {
    return GetFileAttributesA(nativePath.c_str()) != INVALID_FILE_ATTRIBUTES;
}
void runPosix(const std::string& command, const std::string& nativePath, bool present) {
    WinExec(command.c_str(), SW_HIDE);
    for (int tries = 0; tries < 500 && exists(nativePath) != present; ++tries) {
        Sleep(10);
    }
}
} // namespace

// Wine makes no POSIX link itself, but it runs the system's ln. The target must exist, or the
// link is not seen.
void makeLink(const std::string& nativeTarget, const std::string& nativeLink) {
    runPosix("Z:\\bin\\ln -s \"" + unixName(nativeTarget) + "\" \"" + unixName(nativeLink) + "\"",
             nativeLink, true);
}
#else
void makeLink(const std::string& nativeTarget, const std::string& nativeLink) {
    fs::create_symlink(nativeTarget, nativeLink);
}
#endif

void makeReadOnly(const std::string& nativePath) {
    fs::permissions(nativePath,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

FileTree snapshotTree(const std::string& nativeFolder) {
    FileTree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(nativeFolder)) {
        std::string relative = fs::relative(entry.path(), nativeFolder).generic_string();
        if (entry.is_symlink()) {
            tree[relative] = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            tree[relative + "/"] = "";
        } else {
            tree[relative] = readNativeFile(entry.path().string());
        }
    }
    return tree;
}

TemporaryFolder::TemporaryFolder() {
    std::random_device random; // a name taken by a program running alongside is skipped
    do {
        native_ = (fs::temp_directory_path() / ("zrk-test-" + std::to_string(random()))).string();
    } while (!fs::create_directory(native_));
}

TemporaryFolder::~TemporaryFolder() {
#if defined(_WIN32)
    // A Windows program cannot remove a POSIX link under Wine without removing its target.
    if (hasLinks_) {
        runPosix("Z:\\bin\\rm -rf \"" + unixName(native_) + "\"", native_, false);
        return;
    }
#endif
    std::error_code ignored; // Windows removes no read-only file
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(native_, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(native_, ignored);
}

void TemporaryFolder::put(const std::string& relative, const std::string& bytes) {
    if (relative.ends_with('/')) {
        fs::create_directories(native(relative));
    } else if (bytes.starts_with("-> ")) {
        fs::create_directories(fs::path(native(relative)).parent_path());
        makeLink(native(bytes.substr(3)), native(relative));
        hasLinks_ = true;
    } else {
        writeNativeFile(native(relative), bytes);
    }
}

void TemporaryFolder::put(const FileTree& tree) {
    for (bool links : {false, true}) {
        for (const auto& [relative, bytes] : tree) {
            if (bytes.starts_with("-> ") == links) {
                put(relative, bytes);
            }
        }
    }
}
