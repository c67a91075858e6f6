// The messages composed from result codes, for every code of both commands.
#include "analysis/result_codes.h"

#include <gtest/gtest.h>

// A code without a text gives the prefix alone, and for the rewrite four line breaks in a row.
TEST(Messages, AreThePrefixAndTheTextForTheCode) {
    const std::map<ResultCode, std::string> scanTexts = {
        {openFailed, "Unable to open the file."},
        {lineTooLong, "Unable to read a line in the configuration\nfile (line greater than 2048 "
                      "characters)."},
        {endOfFile, "Premature end of file:\nMean that the configuration file analyse\nencounter "
                    "the end of the file, before to\nfound all the required data sections."},
        {simMismatch, "The configuration file define multiple\naircafts using different flight "
                      "dynamic\n(.air) and this is not allowed.\n"},
        {modelMismatch, "The configuration file define multiple\naircafts using different models "
                        "(.mdl) and\nthese models are NOT mutually compatible.\n"},
        {panelNotEmpty, "The configuration file has non empty panel\ndefinition(s) (different "
                        "from\"panel=\").\nThis is not allowed.\n"},
        {uiTypeMismatch, "The configuration file define multiple\naircafts using different "
                         "\"ui_type=\"\ndefinitions. This is not allowed.\n"},
        {modelFileMissing, "Unable to found a MDL file:\n\nThe configuration file define a\nmodel "
                           "which corresponding model\nfile (.mdl) cannot be found."}};
    const std::map<ResultCode, std::string> rewriteTexts = {
        {ioFailure, "A system failure occur during writing operations."},
        {generalMisplaced, "In original configuration file, [General] section DO\nNOT follow "
                           "immediately the last [Fltsim.x] section."}};
    for (ResultCode code = 0; code <= 100; ++code) {
        char message[kMessageCapacity];
        composeScanMessage(code, message);
        EXPECT_EQ(message, "Illegal aircraft configuration !!!\n\n" +
                               (scanTexts.count(code) != 0 ? scanTexts.at(code) : ""))
            << code;
        composeRewriteMessage(code, message);
        EXPECT_EQ(message, "Failure of new \"Aircraft.cfg\" file generation !!!\n\n" +
                               (rewriteTexts.count(code) != 0 ? rewriteTexts.at(code) : "") +
                               "\n\nPanel is not installed and your\naircraft was not modified.")
            << code;
    }
}
