// Descriptor I/O that survives interruptions and short writes, and the syncs that make a change
// durable.
#pragma once

#include <cstddef>
#include <string>

// One read(2), repeated while it is interrupted. Bytes read, 0 at the end, -1 on an error.
std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size);

// Writes every byte, resuming after interruptions and short writes. False on an error.
bool writeAll(int fd, const void* data, std::size_t size);

// Puts the file's bytes on the disk itself (on macOS past the drive's cache, which fsync does
// not reach). False on an error.
bool syncDescriptor(int fd);

// Syncs the folder that holds `native`, so that a name created, replaced or removed there lasts.
// Best effort: the change itself is made by then, and some file systems cannot sync a folder.
void syncFolderOf(const std::string& native);
