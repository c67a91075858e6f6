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

// A version 1.5 iFDG passenger aircraft, whose tuned sections follow [General], and its
// aircraft.cfg beside the kept copy of an earlier install.
class RewriteTest : public testing::Test {
protected:
    void layOut(const std::string& config, LineEnds lineEnds = LineEnds::crlf) {
        resetInstallerStateForTest();
        installerState.modelKind = modelIfdg;
        installerState.modelVersion = 2;
        installerState.aircraftVariant = variantPax;
        folder.writeConfig(config, lineEnds);
        folder.writeTextFile("aircraft.cfg_ORIGINAL", "kept by an earlier install\n");
    }
    ResultCode rewrite() { return rewriteAircraftConfig(folder.cfgPath().c_str()); }

    AircraftFolder folder;
};

struct RewriteCase {
    const char* name;
    std::string original; // aircraft.cfg
    std::string copied;   // what the new file holds between the header and the tuned sections
    bool tunedSectionsFollow;
    LineEnds lineEnds = LineEnds::crlf;
};

class Rewrite : public RewriteTest, public testing::WithParamInterface<RewriteCase> {};

TEST_P(Rewrite, CopiesReplacesAndKeepsTheOriginal) {
    const RewriteCase& c = GetParam();
    layOut(c.original, c.lineEnds);
    const std::string before = folder.readFile("aircraft.cfg");

    ASSERT_EQ(rewrite(), resultOk);

    const std::string header =
        "// ZRK tuning of iFDG flight dynamic model\n// Version 1.91 / February 2005\n\n";
    EXPECT_EQ(folder.tree(),
              (FileTree{{"aircraft.cfg", withCrLf(header + c.copied) +
                                             (c.tunedSectionsFollow ? tuningSectionsOnDisk() : "")},
                        {"aircraft.cfg_ORIGINAL", before}}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rewrite,
    testing::Values(
        RewriteCase{
            "CommentsFirstAndTheFirstSimLineInAnyCase",
            "// ZRK tuning of an earlier install\n\n[fltsim.0]\ntitle=A\n// note\n\n"
            "SIM=MD-11\nmodel=\nsim=second\n[General]\natc_type=MD11\n[WEIGHT_AND_BALANCE]\n"
            "empty_weight=1\n",
            "// ZRK tuning of an earlier install\n\n[fltsim.0]\ntitle=A\n// note\n\n"
            "sim=MD-11_zrk\nmodel=\nsim=second\n[General]\natc_type=MD11\n",
            true, LineEnds::lf},
        RewriteCase{"ABlankBeforeSimIsCopiedAndTheSearchCrossesHeaders",
                    "[fltsim.0]\n sim=MD-11\n[Views]\nsim=MD-11\n[General]\n[fuel]\n",
                    "[fltsim.0]\n sim=MD-11\n[Views]\nsim=MD-11_zrk\n[General]\n", true},
        RewriteCase{"NoSimLineCopiesToTheEnd", "[fltsim.0]\ntitle=A\n[General]\n[fuel]\nx=1",
                    "[fltsim.0]\ntitle=A\n[General]\n[fuel]\nx=1\n", false},
        RewriteCase{"GeneralLastEndsWithTheInput", "[fltsim.0]\nsim=MD-11\n[General]\nx=1",
                    "[fltsim.0]\nsim=MD-11_zrk\n[General]\nx=1\n", false, LineEnds::lf},
        RewriteCase{"AircraftSectionAfterGeneralIsRewrittenToo",
                    "[fltsim.0]\nsim=MD-11\n[General]\n[fltsim.1]\nsim=MD-11\n[fuel]\n",
                    "[fltsim.0]\nsim=MD-11_zrk\n[General]\n[fltsim.1]\nsim=MD-11_zrk\n", true}),
    [](const auto& p) { return std::string(p.param.name); });

// Every failure: the code, and the folder exactly as it was, without a temporary file.
struct FailureCase {
    const char* name;
    std::string original;
    ResultCode expected;
    unsigned failOpen, failRead, failWrite; // the Nth call of that kind fails (0: none)
};

class RewriteFailure : public RewriteTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(RewriteFailure, LeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    layOut(c.original);
    const FileTree before = folder.tree();
    {
        FailingFileOps failing;
        failing.failOpenNumber(c.failOpen);
        failing.failReadNumber(c.failRead);
        failing.failWriteNumber(c.failWrite);
        EXPECT_EQ(rewrite(), c.expected);
    }
    EXPECT_EQ(folder.tree(), before);
}

const std::string kGood = "[fltsim.0]\nsim=MD-11\n[General]\natc_type=MD11\n[fuel]\nx=1\n";

INSTANTIATE_TEST_SUITE_P(
    Failures, RewriteFailure,
    testing::Values(
        FailureCase{"SectionBeforeTheFirstAircraftSection",
                    "[Views]\n[fltsim.0]\nsim=A\n[General]\n[fuel]\n", generalMisplaced, 0, 0, 0},
        FailureCase{"SectionBetweenAircraftAndGeneral", "[fltsim.0]\nsim=A\n[Views]\n[General]\n",
                    generalMisplaced, 0, 0, 0},
        FailureCase{"OverlongLine", "[fltsim.0]\nsim=A\n" + std::string(2047, 'x') + "\n",
                    lineTooLong, 0, 0, 0},
        FailureCase{"ConfigCannotBeOpened", kGood, openFailed, 1, 0, 0},
        FailureCase{"TemporaryFileCannotBeCreated", kGood, createFailed, 2, 0, 0},
        FailureCase{"ReadFails", kGood, ioFailure, 0, 1, 0},
        FailureCase{"HeaderWriteFails", kGood, ioFailure, 0, 0, 1},
        FailureCase{"CopyWriteFails", kGood, ioFailure, 0, 0, 4},
        FailureCase{"TunedSectionWriteFails", kGood, ioFailure, 0, 0, 12}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
