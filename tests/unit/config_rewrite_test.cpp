// The rewrite of aircraft.cfg: what is copied and replaced, and a refusal changing nothing (every
// failure of a file operation is tried by the fault-point loop of the Install tests).
#include "install/config_rewrite.h"

#include <gtest/gtest.h>

#include "app/installer_state.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/config_text.h"

namespace {

// On success the new file is the header, `copied`, then the tuned sections if they were written.
struct RewriteCase {
    const char* name;
    std::string original; // stored with LF and with CR LF line ends
    ResultCode expected;
    std::string copied = "";
    bool tunedSections = false;
};

const std::string kIfdgHeader =
    "// ZRK tuning of iFDG flight dynamic model\n// Version 1.91 / February 2005\n\n";

class Rewrite : public testing::TestWithParam<RewriteCase> {};

TEST_P(Rewrite, ReplacesTheConfigurationOrLeavesTheFolderAsItWas) {
    const RewriteCase& c = GetParam();
    resetInstallerStateForTest(); // a version 1.5 iFDG passenger aircraft
    std::tie(installerState.modelKind, installerState.modelVersion,
             installerState.aircraftVariant) = std::tuple(modelIfdg, 2, variantPax);
    for (LineEnds lineEnds : {LineEnds::lf, LineEnds::crlf}) {
        AircraftFolder folder;
        folder.writeConfig(c.original, lineEnds);
        folder.writeTextFile("aircraft.cfg_ORIGINAL", "kept by an earlier install\n");
        FileTree expected = folder.tree();
        EXPECT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), c.expected);
        if (c.expected == resultOk) {
            expected["aircraft.cfg_ORIGINAL"] = expected["aircraft.cfg"];
            expected["aircraft.cfg"] =
                withCrLf(kIfdgHeader + c.copied) + (c.tunedSections ? tuningSectionsOnDisk() : "");
        }
        EXPECT_EQ(folder.tree(), expected) << (lineEnds == LineEnds::lf ? "LF" : "CR LF");
    }
}

const RewriteCase kCases[] = {
    {"CommentsFirstAndTheFirstSimLineInAnyCase",
     "// ZRK tuning of an earlier install\n\n[fltsim.0]\ntitle=A\n// note\n\nSIM=MD-11\nmodel=\n"
     "sim=second\n[General]\natc_type=MD11\n[WEIGHT_AND_BALANCE]\nempty_weight=1\n",
     resultOk,
     "// ZRK tuning of an earlier install\n\n[fltsim.0]\ntitle=A\n// note\n\nsim=MD-11_zrk\n"
     "model=\nsim=second\n[General]\natc_type=MD11\n",
     true},
    {"ABlankBeforeSimAndTheSearchAcrossHeaders",
     "[fltsim.0]\n sim=MD-11\n[Views]\nsim=MD-11\n[General]\n[fuel]\n", resultOk,
     "[fltsim.0]\n sim=MD-11\n[Views]\nsim=MD-11_zrk\n[General]\n", true},
    {"NoSimLineCopiesToTheEnd", "[fltsim.0]\ntitle=A\n[General]\n[fuel]\nx=1", resultOk,
     "[fltsim.0]\ntitle=A\n[General]\n[fuel]\nx=1\n"},
    {"GeneralLastEndsWithTheInput", "[fltsim.0]\nsim=MD-11\n[General]\nx=1", resultOk,
     "[fltsim.0]\nsim=MD-11_zrk\n[General]\nx=1\n"},
    {"AircraftSectionAfterGeneral",
     "[fltsim.0]\nsim=MD-11\n[General]\n[fltsim.1]\nsim=MD-11\n[fuel]\n", resultOk,
     "[fltsim.0]\nsim=MD-11_zrk\n[General]\n[fltsim.1]\nsim=MD-11_zrk\n", true},
    {"SectionBeforeTheFirstAircraftSection", "[Views]\n[fltsim.0]\nsim=A\n[General]\n[fuel]\n",
     generalMisplaced},
    {"SectionBetweenAircraftAndGeneral", "[fltsim.0]\nsim=A\n[Views]\n[General]\n",
     generalMisplaced},
    {"OverlongLine", "[fltsim.0]\nsim=A\n" + std::string(2047, 'x') + "\n", lineTooLong},
};

INSTANTIATE_TEST_SUITE_P(Cases, Rewrite, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
