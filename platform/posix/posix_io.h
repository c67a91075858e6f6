// Descriptor I/O that survives interruptions and short writes, and the rename that never
// replaces its target.
#pragma once

#include <cstddef>

// One read(2), repeated while it is interrupted. Bytes read, 0 at the end, -1 on an error.
std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size);

// Writes every byte, resuming after interruptions and short writes. False on an error.
bool writeAll(int fd, const void* data, std::size_t size);

// Renames `from` to `to` (native names) unless an entry named exactly `to` exists; atomic where
// the system offers an exclusive rename, else by a hard link, else by a check and a rename.
bool renameNoReplace(const char* from, const char* to);
