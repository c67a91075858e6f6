// The one line reader of aircraft.cfg and the keyword test.
#pragma once

#include <cstddef>

#include "analysis/result_codes.h"
#include "platform/text_file.h"

// Every caller reads into a buffer of this many characters.
constexpr std::size_t kLineCapacity = 2048;

// Reads one line without its line end into buffer. Returns 0, lineTooLong (a line of
// capacity - 1 characters or more), ioFailure (a read error) or endOfFile (nothing left).
ResultCode readConfigLine(TextFile* file, char* buffer, std::size_t capacity);

// 1 when line begins with keyword, letters A-Z compared without regard to case and nothing
// else folded; else 0.
int hasPrefixNoCase(const char* line, const char* keyword);

// The same comparison over the first count characters of keyword only (section headers).
int hasPrefixNoCase(const char* line, const char* keyword, std::size_t count);

// Whole text against whole text under the same rule.
bool equalsNoCase(const char* a, const char* b);
