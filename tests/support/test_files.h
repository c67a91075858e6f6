// Temporary folders and files for tests, through the standard library, not the system half.
#pragma once

#include <map>
#include <string>

// A Windows-form path in native form (slashes on POSIX), and a native path in Windows form.
std::string toNativePath(std::string corePath);
std::string toCorePath(std::string nativePath);

// Creates or replaces a file with exactly these bytes, creating its folders first.
void writeNativeFile(const std::string& nativePath, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readNativeFile(const std::string& nativePath);

// Every entry under a folder by its relative path with '/': a file's bytes, "" for a folder "a/".
using FileTree = std::map<std::string, std::string>;
FileTree snapshotTree(const std::string& nativeFolder);

// A fresh, empty folder under the system's temporary folder, removed with its contents by the
// destructor. Its core path ends in '\'; names inside it use '/' natively, '\' in core form.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& nativePath() const { return native_; }
    std::string corePath() const { return toCorePath(native_ + "/"); }
    std::string native(const std::string& relative) const { return native_ + "/" + relative; }
    std::string core(const std::string& relative) const { return corePath() + relative; }
    // Creates a file with these bytes or, for a name ending in '/', a folder.
    void put(const std::string& relative, const std::string& bytes = "") const;
    void put(const FileTree& tree) const {
        for (const auto& [relative, bytes] : tree) {
            put(relative, bytes);
        }
    }
    FileTree tree() const { return snapshotTree(native_); }

private:
    std::string native_;
};
using TestFolder = TemporaryFolder;
