// File fixtures for tests through std::filesystem and file streams.
#include "tests/support/test_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

void writeNativeFile(const std::string& nativePath, const std::string& bytes) {
    fs::path path(nativePath);
    if (path.has_parent_path()) {
        fs::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readNativeFile(const std::string& nativePath) {
    std::ifstream in(nativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FileTree snapshotTree(const std::string& nativeFolder) {
    FileTree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(nativeFolder)) {
        std::string relative = fs::relative(entry.path(), nativeFolder).generic_string();
        if (entry.is_directory()) {
            tree[relative + "/"] = "";
        } else {
            tree[relative] = readNativeFile(entry.path().string());
        }
    }
    return tree;
}

void TestFolder::put(const std::string& relative, const std::string& bytes) const {
    if (!relative.empty() && relative.back() == '/') {
        fs::create_directories(native(relative));
    } else {
        writeNativeFile(native(relative), bytes);
    }
}

void TestFolder::put(const FileTree& tree) const {
    for (const auto& [relative, bytes] : tree) {
        put(relative, bytes);
    }
}
