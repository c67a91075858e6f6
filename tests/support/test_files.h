// Temporary folders and files for tests, through the standard library, not the system half.
#pragma once

#include <map>
#include <string>

// Core paths use '\' (Windows form); native ones what the disk here uses.
std::string toNativePath(std::string corePath);
std::string toCorePath(std::string nativePath);

// Creates or replaces a file with exactly these bytes, and its folders.
void writeNativeFile(const std::string& nativePath, const std::string& bytes);
// "" when the file cannot be read.
std::string readNativeFile(const std::string& nativePath);

// A symbolic link as a user makes one on a POSIX disk: Wine shows it as a plain file or folder.
void makeLink(const std::string& nativeTarget, const std::string& nativeLink);
// No write permission at all (Windows: the read-only attribute).
void makeReadOnly(const std::string& nativePath);

// Every entry under a folder by its relative path with '/': a file's bytes, "" for a folder "a/",
// "-> target" for a link that the platform shows as one.
using FileTree = std::map<std::string, std::string>;
FileTree snapshotTree(const std::string& nativeFolder);

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& nativePath() const { return native_; }
    std::string corePath() const { return toCorePath(native_ + "/"); } // ends in '\'
    std::string native(const std::string& relative) const { return native_ + "/" + relative; }
    std::string core(const std::string& relative) const { return corePath() + relative; }
    // A file with these bytes, a folder for a name ending in '/', or for bytes "-> target" a link
    // to that path in this folder.
    void put(const std::string& relative, const std::string& bytes = "");
    void put(const FileTree& tree); // links last, so that what they lead to is there
    FileTree tree() const { return snapshotTree(native_); }

private:
    std::string native_;
    bool hasLinks_ = false; // under Wine removing a link removes its target
};
using TestFolder = TemporaryFolder;
