// Text files over the raw file operations, with the same line-end translation everywhere.
#include "platform/text_file.h"

#include <cstring>
#include <new>

#include "platform/platform.h"

struct TextFile {
    RawFile* raw;
    unsigned char buffer[4096];
    std::size_t start; // next unread byte
    std::size_t end;   // one past the last buffered byte
    bool atEnd;
    bool failed;
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

// The next character after line-end translation, or -1 when none can be read.
int nextChar(TextFile* file) {
    if (!fill(file)) {
        return -1;
    }
    unsigned char c = file->buffer[file->start++];
    if (c == '\r' && fill(file) && file->buffer[file->start] == '\n') {
        ++file->start;
        return '\n';
    }
    return c;
}

} // namespace

TextFile* openTextFile(const char* path, TextFileMode mode) {
    RawFile* raw =
        fileOps().openFile(path, mode == TextFileMode::read ? FileAccess::read : FileAccess::write);
    if (raw == nullptr) {
        return nullptr;
    }
    TextFile* file = new (std::nothrow) TextFile{};
    if (file == nullptr) {
        fileOps().closeFile(raw);
        return nullptr;
    }
    file->raw = raw;
    return file;
}

bool closeTextFile(TextFile* file) {
    if (file == nullptr) {
        return true;
    }
    bool closed = fileOps().closeFile(file->raw);
    delete file;
    return closed;
}

std::size_t readTextLine(TextFile* file, char* buffer, std::size_t capacity) {
    std::size_t length = 0;
    while (length + 1 < capacity) {
        int c = nextChar(file);
        if (c < 0) {
            break;
        }
        buffer[length++] = static_cast<char>(c);
        if (c == '\n') {
            break;
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
    // Translate into a local buffer and hand it over in as few writes as possible; any failed
    // write fails the whole call.
    char out[1024];
    std::size_t used = 0;
    for (const char* p = text;; ++p) {
        bool flush = *p == '\0' || used + 2 > sizeof out;
        if (flush && used > 0) {
            if (!fileOps().writeFile(file->raw, out, used)) {
                return false;
            }
            used = 0;
        }
        if (*p == '\0') {
            return true;
        }
        if (*p == '\n') {
            out[used++] = '\r';
        }
        out[used++] = *p;
    }
}
