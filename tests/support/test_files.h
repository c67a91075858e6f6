// File fixtures for tests, made and read through the standard library, not the system half.
#pragma once

#include <map>
#include <string>

#include "tests/support/test_paths.h"

// Creates or replaces a file with exactly these bytes, creating its folders first.
void writeNativeFile(const std::string& nativePath, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readNativeFile(const std::string& nativePath);

// Every entry under a folder by its path relative to it, with '/' separators: a file maps to
// its bytes, a folder (its path ending in '/') to an empty text.
using FileTree = std::map<std::string, std::string>;
FileTree snapshotTree(const std::string& nativeFolder);

// A temporary folder that names its entries in both path forms and lays out trees.
class TestFolder : public TemporaryFolder {
public:
    // `relative` uses '/' separators.
    std::string native(const std::string& relative) const { return nativePath() + "/" + relative; }
    // `relative` uses '\' separators.
    std::string core(const std::string& relative) const { return corePath() + relative; }
    // Creates a file with these bytes or, for a name ending in '/', a folder.
    void put(const std::string& relative, const std::string& bytes = "") const;
    void put(const FileTree& tree) const;
    FileTree tree() const { return snapshotTree(nativePath()); }
};
