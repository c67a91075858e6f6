// The baselines the installer's figures are measured against: what the C library and the
// system do with the same bytes and nothing else.
#pragma once

#include <string>

// A plain fgets loop over the file, each line's end taken off; returns the number of lines.
long fgetsLoop(const std::string& nativePath);

// Both copies are meant for a target that does not exist, as the installer writes new files:
// truncating a written file in place makes ext4 write it out at close. The benchmarks remove the
// target between rounds, outside the timing, as the rewrite's round puts its file back.

// B1: a buffered line copy with the installer's line-end translation: each line read with
// fgets, written back with CR LF, 64 KiB stdio buffers on both files. With `synced`, the copy
// and then its folder are synced, as a durable install does. False when a file failed.
bool lineCopy(const std::string& from, const std::string& to, bool synced = false);

// B0: a raw copy in 64 KiB blocks. False when a file failed.
bool blockCopy(const std::string& from, const std::string& to);
