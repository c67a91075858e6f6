// The messages composed from result codes, for every code of both commands: the prefix, the text
// for the code (none for a code without one) and, for the rewrite, the closing sentence.
#include "analysis/result_codes.h"

#include <gtest/gtest.h>

TEST(Messages, AreThePrefixAndTheTextForTheCode) {
    const std::map<ResultCode, std::string> scanTexts = {
        {50, "Unable to open the file."},
        {51,
         "Unable to read a line in the configuration\nfile (line greater than 2048 characters)."},
        {53, "Premature end of file:\nMean that the configuration file analyse\nencounter the end "
             "of the file, before to\nfound all the required data sections."},
        {90, "The configuration file define multiple\naircafts using different flight dynamic\n"
             "(.air) and this is not allowed.\n"},
        {91, "The configuration file define multiple\naircafts using different models (.mdl) "
             "and\nthese models are NOT mutually compatible.\n"},
        {92, "The configuration file has non empty panel\ndefinition(s) (different from\"panel=\")."
             "\nThis is not allowed.\n"},
        {93, "The configuration file define multiple\naircafts using different \"ui_type=\"\n"
             "definitions. This is not allowed.\n"},
        {94, "Unable to found a MDL file:\n\nThe configuration file define a\nmodel which "
             "corresponding model\nfile (.mdl) cannot be found."}};
    const std::map<ResultCode, std::string> rewriteTexts = {
        {52, "A system failure occur during writing operations."},
        {95, "In original configuration file, [General] section DO\nNOT follow immediately the "
             "last [Fltsim.x] section."}};
    const auto text = [](const auto& texts, ResultCode code) {
        return texts.contains(code) ? texts.at(code) : "";
    };
    for (ResultCode code = 0; code <= 100; ++code) {
        char scan[kMessageCapacity], rewrite[kMessageCapacity];
        composeScanMessage(code, scan);
        composeRewriteMessage(code, rewrite);
        EXPECT_EQ(scan, "Illegal aircraft configuration !!!\n\n" + text(scanTexts, code)) << code;
        EXPECT_EQ(rewrite, "Failure of new \"Aircraft.cfg\" file generation !!!\n\n" +
                               text(rewriteTexts, code) +
                               "\n\nPanel is not installed and your\naircraft was not modified.")
            << code;
    }
}
