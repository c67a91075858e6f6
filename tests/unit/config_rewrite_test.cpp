// The rewrite of aircraft.cfg: what is copied, what is replaced, and that every failure leaves
// the folder as it was.
#include "install/config_rewrite.h"

#include <gtest/gtest.h>

#include <string>

#include "app/installer_state.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/config_text.h"
#include "tests/support/failing_file_ops.h"

namespace {

const std::string kIfdgHeader =
    "// ZRK tuning of iFDG flight dynamic model\n// Version 1.91 / February 2005\n\n";

struct RewriteCase {
    const char* name;
    int modelKind;
    std::string original;     // aircraft.cfg, LF line ends (stored as CR LF unless lfOnly)
    std::string copied;       // what the new file holds before the tuned sections
    bool tunedSectionsFollow; // the writer was called
};

class Rewrite : public testing::TestWithParam<RewriteCase> {
protected:
    void SetUp() override { resetInstallerStateForTest(); }
};

TEST_P(Rewrite, CopiesReplacesAndKeepsTheOriginal) {
    const RewriteCase& c = GetParam();
    installerState.modelKind = c.modelKind;
    installerState.modelVersion = 2;
    installerState.aircraftVariant = variantPax;
    installerState.engineVariant = enginesGeneralElectric;
    AircraftFolder folder;
    folder.writeConfig(c.original);
    std::string before = folder.readFile("aircraft.cfg");

    ASSERT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), resultOk);

    std::string expected =
        withCrLf(c.copied) + (c.tunedSectionsFollow ? tuningSectionsOnDisk() : "");
    EXPECT_EQ(folder.readFile("aircraft.cfg"), expected);
    EXPECT_EQ(folder.readFile("aircraft.cfg_ORIGINAL"), before);
    EXPECT_FALSE(folder.exists("aircraft.cf_"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rewrite,
    testing::Values(
        RewriteCase{"CommentsBeforeTheFirstHeaderFollowTheNewHeader", modelIfdg,
                    "// ZRK tuning of an earlier install\n\n[fltsim.0]\nsim=MD-11\n[General]\n"
                    "atc_type=MD11\n[WEIGHT_AND_BALANCE]\nempty_weight=1\n",
                    kIfdgHeader + "// ZRK tuning of an earlier install\n\n[fltsim.0]\n"
                                  "sim=MD-11_zrk\n[General]\natc_type=MD11\n",
                    true},
        RewriteCase{"OnlyTheFirstSimLineOfASectionIsReplaced", modelIfdg,
                    "[fltsim.0]\ntitle=A\n// note\n\nSIM=MD-11\nmodel=\nsim=second\n[General]\n"
                    "[fuel]\n",
                    kIfdgHeader + "[fltsim.0]\ntitle=A\n// note\n\nsim=MD-11_zrk\nmodel=\n"
                                  "sim=second\n[General]\n",
                    true},
        RewriteCase{"ABlankBeforeSimIsCopiedAndTheSearchCrossesHeaders", modelIfdg,
                    "[fltsim.0]\n sim=MD-11\n[fltsim.1]\nsim=MD-11\n[General]\n[fuel]\n",
                    kIfdgHeader + "[fltsim.0]\n sim=MD-11\n[fltsim.1]\nsim=MD-11_zrk\n"
                                  "[General]\n",
                    true},
        RewriteCase{"NoSimLineCopiesToTheEnd", modelIfdg,
                    "[fltsim.0]\ntitle=A\n[General]\n[fuel]\nx=1",
                    kIfdgHeader + "[fltsim.0]\ntitle=A\n[General]\n[fuel]\nx=1\n", false},
        RewriteCase{"GeneralLastEndsWithTheInput", modelIfdg,
                    "[fltsim.0]\nsim=MD-11\n[General]\natc_model=MD11",
                    kIfdgHeader + "[fltsim.0]\nsim=MD-11_zrk\n[General]\natc_model=MD11\n", false},
        RewriteCase{"AircraftSectionAfterGeneralIsRewrittenToo", modelIfdg,
                    "[fltsim.0]\nsim=MD-11\n[General]\n[fltsim.1]\nsim=MD-11\n[fuel]\n",
                    kIfdgHeader + "[fltsim.0]\nsim=MD-11_zrk\n[General]\n[fltsim.1]\n"
                                  "sim=MD-11_zrk\n",
                    true},
        RewriteCase{"CorvaneHeader", modelCorvane, "[fltsim.0]\nsim=md11\n[General]\n[fuel]\n",
                    "// ZRK tuning of iFDG flight dynamic model adapted to Corvane 3d model\n"
                    "// Version 1.91 / February 2005\n\n[fltsim.0]\nsim=MD-11_zrk\n[General]\n",
                    true},
        RewriteCase{"OverlandHeader", modelOverland, "[fltsim.0]\nsim=MD11\n[General]\n[fuel]\n",
                    "// ZRK tuning of iFDG flight dynamic model adapted to Overland 3d model\n"
                    "// Version 1.91 / February 2005\n\n[fltsim.0]\nsim=MD-11_zrk\n[General]\n",
                    true},
        RewriteCase{"NoFamilyNoHeaderNoSections", modelNotSupported,
                    "[fltsim.0]\nsim=MD-11\n[General]\n[fuel]\n",
                    "[fltsim.0]\nsim=MD-11_zrk\n[General]\n", true}),
    [](const testing::TestParamInfo<RewriteCase>& param) { return param.param.name; });

TEST(RewriteLineEnds, LfOnlyInputBecomesCrLf) {
    resetInstallerStateForTest();
    installerState.modelKind = modelNotSupported;
    AircraftFolder folder;
    folder.writeConfig("[fltsim.0]\nsim=MD-11\n[General]\nx=1\n", LineEnds::lf);
    ASSERT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), resultOk);
    EXPECT_EQ(folder.readFile("aircraft.cfg"),
              "[fltsim.0]\r\nsim=MD-11_zrk\r\n[General]\r\nx=1\r\n");
}

TEST(RewriteKeptCopy, AnEarlierKeptCopyIsReplaced) {
    resetInstallerStateForTest();
    AircraftFolder folder;
    folder.writeConfig("[fltsim.0]\nsim=MD-11\n[General]\n");
    folder.writeTextFile("aircraft.cfg_ORIGINAL", "stale\n");
    std::string before = folder.readFile("aircraft.cfg");
    ASSERT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), resultOk);
    EXPECT_EQ(folder.readFile("aircraft.cfg_ORIGINAL"), before);
}

// Every failure: the code, the folder exactly as it was, no temporary file.
struct FailureCase {
    const char* name;
    std::string original;
    ResultCode expected;
    void (*arrange)(AircraftFolder& folder, FailingFileOps& failing);
};

class RewriteFailure : public testing::TestWithParam<FailureCase> {};

const std::string kGood = "[fltsim.0]\nsim=MD-11\n[General]\natc_type=MD11\n[fuel]\nx=1\n";

TEST_P(RewriteFailure, LeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    resetInstallerStateForTest();
    installerState.modelKind = modelIfdg;
    installerState.modelVersion = 2;
    installerState.aircraftVariant = variantPax;
    installerState.engineVariant = enginesGeneralElectric;
    AircraftFolder folder;
    folder.writeConfig(c.original);
    folder.writeTextFile("aircraft.cfg_ORIGINAL", "kept from before\n");
    FileTree before;
    {
        FailingFileOps failing;
        c.arrange(folder, failing);
        before = folder.tree();
        EXPECT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), c.expected);
    }
    EXPECT_EQ(folder.tree(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RewriteFailure,
    testing::Values(
        FailureCase{"SectionBeforeTheFirstAircraftSection",
                    "[Views]\n[fltsim.0]\nsim=A\n"
                    "[General]\n[fuel]\n",
                    generalMisplaced, [](AircraftFolder&, FailingFileOps&) {}},
        FailureCase{"SectionBetweenAircraftAndGeneral", "[fltsim.0]\nsim=A\n[Views]\n[General]\n",
                    generalMisplaced, [](AircraftFolder&, FailingFileOps&) {}},
        FailureCase{"SectionBeforeGeneralWithoutAny", "[fltsim.0]\nsim=A\n[fuel]\n",
                    generalMisplaced, [](AircraftFolder&, FailingFileOps&) {}},
        FailureCase{"OverlongLine", "[fltsim.0]\nsim=A\n" + std::string(2047, 'x') + "\n",
                    lineTooLong, [](AircraftFolder&, FailingFileOps&) {}},
        FailureCase{"FirstWriteFails", kGood, ioFailure,
                    [](AircraftFolder&, FailingFileOps& failing) { failing.failWriteNumber(1); }},
        FailureCase{"CopyWriteFails", kGood, ioFailure,
                    [](AircraftFolder&, FailingFileOps& failing) { failing.failWriteNumber(4); }},
        FailureCase{"TunedSectionWriteFails", kGood, ioFailure,
                    [](AircraftFolder&, FailingFileOps& failing) { failing.failWriteNumber(12); }},
        FailureCase{"ReadFails", kGood, ioFailure,
                    [](AircraftFolder&, FailingFileOps& failing) { failing.failReadNumber(1); }},
        FailureCase{
            "TemporaryFileCannotBeCreated", kGood, createFailed,
            [](AircraftFolder& folder, FailingFileOps&) { folder.addFolder("aircraft.cf_"); }}),
    [](const testing::TestParamInfo<FailureCase>& param) { return param.param.name; });

TEST(RewriteRefusals, MissingFileAndPathsWithoutATemporaryName) {
    resetInstallerStateForTest();
    AircraftFolder folder;
    EXPECT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), openFailed);

    folder.writeTextFile("aircraft.cf_", kGood);
    FileTree before = folder.tree();
    EXPECT_EQ(rewriteAircraftConfig(folder.corePath("aircraft.cf_").c_str()), createFailed);
    EXPECT_EQ(folder.tree(), before);
}

} // namespace
