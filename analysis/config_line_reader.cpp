// Line reader and keyword comparison of aircraft.cfg. No locale is consulted: only the ASCII
// letters are folded.
#include "analysis/config_line_reader.h"

#include <cstring>

namespace {

char foldAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

ResultCode readConfigLine(TextFile* file, char* buffer, std::size_t capacity) {
    buffer[0] = '\0';
    std::size_t length = readTextLine(file, buffer, capacity);
    if (length == 0) {
        return textFileAtEnd(file) ? endOfFile : ioFailure;
    }
    if (isLineEnd(buffer[length - 1])) {
        while (length > 0 && isLineEnd(buffer[length - 1])) {
            buffer[--length] = '\0';
        }
        return resultOk;
    }
    // No line end: either the line filled the buffer, or this is a last line without one.
    return length == capacity - 1 ? lineTooLong : resultOk;
}

int hasPrefixNoCase(const char* line, const char* keyword, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (line[i] == '\0' || foldAsciiLetter(line[i]) != foldAsciiLetter(keyword[i])) {
            return 0;
        }
    }
    return 1;
}

int hasPrefixNoCase(const char* line, const char* keyword) {
    return hasPrefixNoCase(line, keyword, std::strlen(keyword));
}

bool equalsNoCase(const char* a, const char* b) {
    std::size_t length = std::strlen(b);
    return std::strlen(a) == length && hasPrefixNoCase(a, b, length) == 1;
}
