// What readConfigLine must give for a file's bytes, written from its contract alone: fgets of
// 2047 characters on a text stream where a CR LF pair reads as one LF, then every CR and LF at
// the line's end stripped; a line of 2047 characters without its end is too long; then the end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/config_line_reader.h"

struct ModelLine {
    ResultCode code;
    std::string text; // with any NUL it holds
};

inline std::vector<ModelLine> modelLines(std::string_view bytes) {
    std::string stream;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            stream += bytes[i];
        }
    }
    std::vector<ModelLine> lines;
    for (std::size_t at = 0; at < stream.size();) {
        std::size_t end = std::min(stream.find('\n', at), stream.size() - 1) + 1;
        std::string line = stream.substr(at, std::min(end - at, kLineCapacity - 1));
        at += line.size();
        if (line.size() == kLineCapacity - 1 && line.back() != '\n' && line.back() != '\r') {
            lines.push_back({lineTooLong, ""});
            return lines; // no caller reads on
        }
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        lines.push_back({resultOk, line});
    }
    lines.push_back({endOfFile, ""});
    return lines;
}

// Whether a line begins with a keyword, ASCII letters without regard to case: the scanner's and
// the rewrite's key test, kept apart from theirs.
inline bool beginsWith(std::string_view line, std::string_view keyword) {
    if (line.size() < keyword.size()) {
        return false;
    }
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (fold(line[i]) != fold(keyword[i])) {
            return false;
        }
    }
    return true;
}
