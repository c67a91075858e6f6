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
    if (query == nullptr) {
        return "";
    }
    std::wstring wide = fs::path(windowsPath).wstring();
    char* name = query(wide.c_str());
    std::string unix = name != nullptr ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}
} // namespace

// Runs a POSIX program and waits until `done` holds: Wine does not tell when a POSIX program it
// started has ended.
template <typename Done> void runPosix(std::string command, Done done) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (int tries = 0; tries < 500 && !done(); ++tries) {
        Sleep(10);
    }
}

bool present(const std::string& nativePath) {
    return GetFileAttributesA(nativePath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine makes no POSIX link itself, but it runs the system's ln. The target must exist, or the
// link is not seen.
void makeLink(const std::string& nativeTarget, const std::string& nativeLink) {
    runPosix("Z:\\bin\\ln -s \"" + unixName(nativeTarget) + "\" \"" +
                 unixName(fs::absolute(nativeLink).string()) + "\"",
             [&] { return present(nativeLink); });
}

// A Windows program cannot remove a POSIX link under Wine without removing its target instead.
void removeFolderWithLinks(const std::string& nativeFolder) {
    runPosix("Z:\\bin\\rm -rf \"" + unixName(nativeFolder) + "\"",
             [&] { return !present(nativeFolder); });
}
#else
void makeLink(const std::string& nativeTarget, const std::string& nativeLink) {
    fs::create_symlink(nativeTarget, nativeLink);
}

#endif

// Windows removes no read-only file.
void removeFolderWithoutLinks(const std::string& nativeFolder) {
    std::error_code ignored;
    for (const fs::directory_entry& entry :
         fs::recursive_directory_iterator(nativeFolder, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(nativeFolder, ignored);
}

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
        } else {
            tree[relative + (entry.is_directory() ? "/" : "")] =
                entry.is_directory() ? "" : readNativeFile(entry.path().string());
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
    if (hasLinks_) {
        removeFolderWithLinks(native_);
        return;
    }
#endif
    removeFolderWithoutLinks(native_);
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
