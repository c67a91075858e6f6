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

// A symbolic link at `link` to `target` (native paths), as a user makes one on a POSIX disk: Wine
// shows it to a Windows program as a plain file or folder.
void makeLink(const std::string& nativeTarget, const std::string& nativeLink);
// Takes every write permission away (Windows: the read-only attribute).
void makeReadOnly(const std::string& nativePath);

// Every entry under a folder by its relative path with '/': a file's bytes, "" for a folder "a/",
// "-> target" for a link that the platform shows as one.
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
    // Creates a file with these bytes or, for a name ending in '/', a folder; bytes "-> target"
    // make a link to that path relative to this folder.
    void put(const std::string& relative, const std::string& bytes = "");
    // Links last, so that what they lead to is there.
    void put(const FileTree& tree) {
        for (bool links : {false, true}) {
            for (const auto& [relative, bytes] : tree) {
                if (bytes.starts_with("-> ") == links) {
                    put(relative, bytes);
                }
            }
        }
    }
    FileTree tree() const { return snapshotTree(native_); }

private:
    std::string native_;
    bool hasLinks_ = false; // removed with care: under Wine removing a link removes its target
};
using TestFolder = TemporaryFolder;
