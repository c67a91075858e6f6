// The result codes of every step that reads or writes the aircraft configuration, and the
// messages that the commands compose from them.
#pragma once

#include <cstddef>
#include <initializer_list>

using ResultCode = unsigned;

enum : ResultCode {
    resultOk = 0,
    openFailed = 50,
    lineTooLong = 51,
    ioFailure = 52,
    endOfFile = 53,
    createFailed = 54,
    simMismatch = 90,
    modelMismatch = 91,
    panelNotEmpty = 92,
    uiTypeMismatch = 93,
    modelFileMissing = 94,
    generalMisplaced = 95,
};

// Both messages fit this buffer size, the size of the status and message texts.
constexpr std::size_t kMessageCapacity = 1024;

// Joins the pieces into message, keeping what fits.
void joinMessage(char (&message)[kMessageCapacity], std::initializer_list<const char*> pieces);

// "Illegal aircraft configuration !!!\n\n" and the text for a code the scanner returned.
void composeScanMessage(ResultCode code, char (&message)[kMessageCapacity]);

// "Failure of new \"Aircraft.cfg\" file generation !!!\n\n", the text for a code the rewrite
// returned, and the closing sentence.
void composeRewriteMessage(ResultCode code, char (&message)[kMessageCapacity]);
