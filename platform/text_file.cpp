// Text files over the raw file operations, with the same line-end translation everywhere.
#include "platform/text_file.h"

#include <cstring>
#include <new>

#include "platform/platform.h"

struct TextFile {
    RawFile* raw;
    bool writing;
    bool atEnd;
    bool failed;       // a read or write error; writes stop for good
    std::size_t start; // reading: next unread byte
    std::size_t end;   // reading: one past the last buffered byte; writing: bytes buffered
    unsigned char buffer[kTextFileBufferSize];
};

namespace {

// Refills the buffer when it is empty; false at the end of the file or on a read error.
bool fill(TextFile* file) {
    if (file->start < file->end) {
        return true;
    }
    if (file->atEnd || file->failed) {
        return false;
    }
    std::ptrdiff_t count = fileOps().readFile(file->raw, file->buffer, sizeof file->buffer);
    if (count < 0) {
        file->failed = true;
        return false;
    }
    if (count == 0) {
        file->atEnd = true;
        return false;
    }
    file->start = 0;
    file->end = static_cast<std::size_t>(count);
    return true;
}

// Hands the buffered bytes to the system; false, for good, once a write has failed.
bool flush(TextFile* file) {
    if (file->failed) {
        return false;
    }
    if (file->end > 0 && !fileOps().writeFile(file->raw, file->buffer, file->end)) {
        file->failed = true;
        return false;
    }
    file->end = 0;
    return true;
}

// Appends size bytes without translation, flushing whenever the buffer is full.
bool append(TextFile* file, const char* bytes, std::size_t size) {
    while (size > 0) {
        if (file->end == sizeof file->buffer && !flush(file)) {
            return false;
        }
        std::size_t room = sizeof file->buffer - file->end;
        std::size_t count = size < room ? size : room;
        std::memcpy(file->buffer + file->end, bytes, count);
        file->end += count;
        bytes += count;
        size -= count;
    }
    return true;
}

} // namespace

TextFile* openTextFile(const char* path, TextFileMode mode) {
    bool writing = mode == TextFileMode::write;
    RawFile* raw = fileOps().openFile(path, writing ? FileAccess::write : FileAccess::read);
    if (raw == nullptr) {
        return nullptr;
    }
    // Not value-initialised: the buffer is written before it is read.
    TextFile* file = new (std::nothrow) TextFile;
    if (file == nullptr) {
        fileOps().closeFile(raw);
        return nullptr;
    }
    file->raw = raw;
    file->writing = writing;
    file->atEnd = false;
    file->failed = false;
    file->start = 0;
    file->end = 0;
    return file;
}

bool closeTextFile(TextFile* file) {
    if (file == nullptr) {
        return true;
    }
    bool flushed = !file->writing || flush(file);
    bool closed = fileOps().closeFile(file->raw);
    delete file;
    return flushed && closed;
}

std::size_t readTextLine(TextFile* file, char* buffer, std::size_t capacity) {
    std::size_t length = 0;
    bool lineEnded = false;
    // Whole runs up to the next LF are copied at once. Only a CR just before an LF is a line end,
    // so a CR needs a look at the next byte only where a run stops right after it.
    while (!lineEnded && length + 1 < capacity && fill(file)) {
        const unsigned char* next = file->buffer + file->start;
        std::size_t room = capacity - 1 - length;
        std::size_t available = file->end - file->start;
        std::size_t count = available < room ? available : room;
        const void* lf = std::memchr(next, '\n', count);
        if (lf != nullptr) {
            count = static_cast<std::size_t>(static_cast<const unsigned char*>(lf) - next) + 1;
            lineEnded = true;
        }
        std::memcpy(buffer + length, next, count);
        length += count;
        file->start += count;
        if (lineEnded) {
            if (count > 1 && buffer[length - 2] == '\r') {
                buffer[--length - 1] = '\n';
            }
        } else if (buffer[length - 1] == '\r' && fill(file) && file->buffer[file->start] == '\n') {
            ++file->start;
            buffer[length - 1] = '\n';
            lineEnded = true;
        }
    }
    // As with fgets, a read error loses the whole line: a cut line must not pass for a line.
    if (file->failed) {
        length = 0;
    }
    if (capacity > 0) {
        buffer[length] = '\0';
    }
    return length;
}

bool textFileAtEnd(const TextFile* file) {
    return file->atEnd;
}

bool textFileFailed(const TextFile* file) {
    return file->failed;
}

bool writeText(TextFile* file, const char* text) {
    if (file->failed) {
        return false;
    }
    // strlen and memchr over the whole text beat a scan for either byte (strcspn).
    const char* end = text + std::strlen(text);
    while (text < end) {
        const char* lf =
            static_cast<const char*>(std::memchr(text, '\n', static_cast<std::size_t>(end - text)));
        const char* runEnd = lf != nullptr ? lf : end;
        if (!append(file, text, static_cast<std::size_t>(runEnd - text)) ||
            (lf != nullptr && !append(file, "\r\n", 2))) {
            return false;
        }
        text = lf != nullptr ? lf + 1 : end;
    }
    return true;
}

bool writeTextLine(TextFile* file, const char* text) {
    return writeText(file, text) && append(file, "\r\n", 2);
}
