// Paths for tests: where the source tree is, and real temporary folders.
#pragma once

#include <string>

// A fresh, empty folder under the system's temporary folder, removed by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // The folder as the file system names it (native form).
    const std::string& nativePath() const { return native_; }
    // The folder in the Windows form the core uses, ending in a backslash.
    std::string corePath() const;

private:
    std::string native_;
};

// Native form of a path given in Windows form (backslashes turned into slashes on POSIX).
std::string toNativePath(const std::string& corePath);
// Windows form of a native path.
std::string toCorePath(const std::string& nativePath);
