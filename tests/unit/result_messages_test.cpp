// The messages composed from result codes, for every code of both commands.
#include "analysis/result_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kScanPrefix = "Illegal aircraft configuration !!!\n\n";
const std::string kRewritePrefix = "Failure of new \"Aircraft.cfg\" file generation !!!\n\n";
const std::string kRewriteSuffix =
    "\n\nPanel is not installed and your\naircraft was not modified.";

struct MessageCase {
    ResultCode code;
    std::string middle;
};

class ScanMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ScanMessage, IsPrefixAndTextForTheCode) {
    char message[kMessageCapacity];
    composeScanMessage(GetParam().code, message);
    EXPECT_EQ(std::string(message), kScanPrefix + GetParam().middle);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, ScanMessage,
    testing::Values(
        MessageCase{openFailed, "Unable to open the file."},
        MessageCase{lineTooLong, "Unable to read a line in the configuration\nfile (line greater "
                                 "than 2048 characters)."},
        MessageCase{ioFailure, ""},
        MessageCase{endOfFile, "Premature end of file:\nMean that the configuration file "
                               "analyse\nencounter the end of the file, before to\nfound all the "
                               "required data sections."},
        MessageCase{createFailed, ""},
        MessageCase{simMismatch, "The configuration file define multiple\naircafts using "
                                 "different flight dynamic\n(.air) and this is not allowed.\n"},
        MessageCase{modelMismatch, "The configuration file define multiple\naircafts using "
                                   "different models (.mdl) and\nthese models are NOT mutually "
                                   "compatible.\n"},
        MessageCase{panelNotEmpty, "The configuration file has non empty panel\ndefinition(s) "
                                   "(different from\"panel=\").\nThis is not allowed.\n"},
        MessageCase{uiTypeMismatch, "The configuration file define multiple\naircafts using "
                                    "different \"ui_type=\"\ndefinitions. This is not allowed.\n"},
        MessageCase{modelFileMissing, "Unable to found a MDL file:\n\nThe configuration file "
                                      "define a\nmodel which corresponding model\nfile (.mdl) "
                                      "cannot be found."},
        MessageCase{generalMisplaced, ""}, MessageCase{0, ""}, MessageCase{12345, ""}));

class RewriteMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(RewriteMessage, IsPrefixReasonAndClosingSentence) {
    char message[kMessageCapacity];
    composeRewriteMessage(GetParam().code, message);
    EXPECT_EQ(std::string(message), kRewritePrefix + GetParam().middle + kRewriteSuffix);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, RewriteMessage,
    testing::Values(MessageCase{ioFailure, "A system failure occur during writing operations."},
                    MessageCase{generalMisplaced, "In original configuration file, [General] "
                                                  "section DO\nNOT follow immediately the last "
                                                  "[Fltsim.x] section."},
                    MessageCase{openFailed, ""}, MessageCase{lineTooLong, ""},
                    MessageCase{createFailed, ""}, MessageCase{simMismatch, ""}));

TEST(RewriteMessage, WithoutReasonHasFourLineBreaksBetweenTheSentences) {
    char message[kMessageCapacity];
    composeRewriteMessage(createFailed, message);
    EXPECT_NE(std::string(message).find("!!!\n\n\n\nPanel is not installed"), std::string::npos);
}

} // namespace
