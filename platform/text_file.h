// The portable text file used for every configuration read and write. Binary I/O with explicit
// translation, identical on every platform: a CR LF pair reads as one LF, every written LF is
// stored as CR LF, and a byte 0x1A is an ordinary byte.
#pragma once

#include <cstddef>

struct TextFile;

enum class TextFileMode {
    read,  // "rt": an existing file
    write, // "wt": created, or emptied when it exists
};

// Opens through the file-operations table; null when the file cannot be opened or created.
TextFile* openTextFile(const char* path, TextFileMode mode);

// Closes and frees the file; false when the final close failed. Null is accepted.
bool closeTextFile(TextFile* file);

// fgets on a text stream: reads into buffer until after the first LF (which is stored) or until
// capacity - 1 characters are stored, and terminates the text. Returns the number of characters
// stored; 0 means nothing could be read, and then textFileAtEnd or textFileFailed says why. A
// read error during the line gives 0 and an empty text, whatever was read before it.
std::size_t readTextLine(TextFile* file, char* buffer, std::size_t capacity);
bool textFileAtEnd(const TextFile* file);
bool textFileFailed(const TextFile* file);

// Writes text with every LF stored as CR LF. The write goes to the file at once, so a failure is
// reported by the call that failed (false), not later at close.
bool writeText(TextFile* file, const char* text);
