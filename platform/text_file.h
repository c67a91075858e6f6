// The portable text file used for every configuration read and write. Binary I/O with explicit
// translation, identical on every platform: a CR LF pair reads as one LF, every written LF is
// stored as CR LF, and a byte 0x1A is an ordinary byte.
#pragma once

#include <cstddef>

struct TextFile;

// Bytes moved per system read or write: a configuration file goes through in a few large calls
// whatever its line count, and memory stays the same whatever its size.
constexpr std::size_t kTextFileBufferSize = 65536;

enum class TextFileMode {
    read,  // "rt": an existing file
    write, // "wt": created, or emptied when it exists
};

// Opens through the file-operations table; null when the file cannot be opened or created.
TextFile* openTextFile(const char* path, TextFileMode mode);

// Writes out what is still buffered, then closes and frees the file. False when a write of this
// file failed at any time, or the final close failed: a written file that closes with false must
// not be put in place. Null is accepted.
bool closeTextFile(TextFile* file);

// fgets on a text stream: reads into buffer until after the first LF (which is stored) or until
// capacity - 1 characters are stored, and terminates the text. Returns the number of characters
// stored; 0 means nothing could be read, and then textFileAtEnd or textFileFailed says why. A
// read error during the line gives 0 and an empty text, whatever was read before it.
std::size_t readTextLine(TextFile* file, char* buffer, std::size_t capacity);
bool textFileAtEnd(const TextFile* file);
bool textFileFailed(const TextFile* file);

// Appends text with every LF stored as CR LF. Only whole buffers go to the system, so a failed
// write usually shows at closeTextFile; false here when a write made during this call failed or
// one failed before. After a failure nothing more reaches the file.
bool writeText(TextFile* file, const char* text);

// writeText of text and then of "\n", in one call: a copied line and its line end.
bool writeTextLine(TextFile* file, const char* text);
