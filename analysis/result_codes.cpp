// Messages composed from result codes.
#include "analysis/result_codes.h"

#include <cstring>
#include <initializer_list>

namespace {

struct CodeText {
    ResultCode code;
    const char* text;
};

constexpr const char* kScanPrefix = "Illegal aircraft configuration !!!\n\n";

constexpr CodeText kScanTexts[] = {
    {openFailed, "Unable to open the file."},
    {lineTooLong, "Unable to read a line in the configuration\nfile (line greater than 2048 "
                  "characters)."},
    {endOfFile, "Premature end of file:\nMean that the configuration file analyse\nencounter the "
                "end of the file, before to\nfound all the required data sections."},
    {simMismatch, "The configuration file define multiple\naircafts using different flight "
                  "dynamic\n(.air) and this is not allowed.\n"},
    {modelMismatch, "The configuration file define multiple\naircafts using different models "
                    "(.mdl) and\nthese models are NOT mutually compatible.\n"},
    {panelNotEmpty, "The configuration file has non empty panel\ndefinition(s) (different "
                    "from\"panel=\").\nThis is not allowed.\n"},
    {uiTypeMismatch, "The configuration file define multiple\naircafts using different "
                     "\"ui_type=\"\ndefinitions. This is not allowed.\n"},
    {modelFileMissing, "Unable to found a MDL file:\n\nThe configuration file define a\nmodel "
                       "which corresponding model\nfile (.mdl) cannot be found."},
};

constexpr const char* kRewritePrefix = "Failure of new \"Aircraft.cfg\" file generation !!!\n\n";
constexpr const char* kRewriteSuffix = "\n\nPanel is not installed and your\naircraft was not "
                                       "modified.";

constexpr CodeText kRewriteTexts[] = {
    {ioFailure, "A system failure occur during writing operations."},
    {generalMisplaced, "In original configuration file, [General] section DO\nNOT follow "
                       "immediately the last [Fltsim.x] section."},
};

// The text for code, or "" for a code the table does not name.
template <std::size_t N> const char* textFor(const CodeText (&table)[N], ResultCode code) {
    for (const CodeText& entry : table) {
        if (entry.code == code) {
            return entry.text;
        }
    }
    return "";
}

} // namespace

void joinMessage(char (&message)[kMessageCapacity], std::initializer_list<const char*> pieces) {
    message[0] = '\0';
    for (const char* piece : pieces) {
        std::strncat(message, piece, kMessageCapacity - 1 - std::strlen(message));
    }
}

void composeScanMessage(ResultCode code, char (&message)[kMessageCapacity]) {
    joinMessage(message, {kScanPrefix, textFor(kScanTexts, code)});
}

void composeRewriteMessage(ResultCode code, char (&message)[kMessageCapacity]) {
    joinMessage(message, {kRewritePrefix, textFor(kRewriteTexts, code), kRewriteSuffix});
}
