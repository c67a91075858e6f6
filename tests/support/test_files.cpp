// File fixtures for tests through std::filesystem and file streams.
#include "tests/support/test_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

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
    std::ifstream in(nativePath, std::ios::binary);
    std::ostringstream bytes; // in one piece: model files are megabytes
    bytes << in.rdbuf();
    return bytes.str();
}

FileTree snapshotTree(const std::string& nativeFolder) {
    FileTree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(nativeFolder)) {
        std::string relative = fs::relative(entry.path(), nativeFolder).generic_string();
        tree[relative + (entry.is_directory() ? "/" : "")] =
            entry.is_directory() ? "" : readNativeFile(entry.path().string());
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
    std::error_code ignored;
    fs::remove_all(native_, ignored);
}

void TemporaryFolder::put(const std::string& relative, const std::string& bytes) const {
    if (relative.ends_with('/')) {
        fs::create_directories(native(relative));
    } else {
        writeNativeFile(native(relative), bytes);
    }
}
