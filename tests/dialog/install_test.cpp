// "Install" on real aircraft folders of each family: the panel alias, the new aircraft.cfg, the
// flight-dynamics file, the report, and every failure leaving the folder as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/config_text.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/install_fixture.h"

namespace {

struct FamilyCase {
    const AircraftModel* model;
    const char* panelSuffix;
    const char* header; // the comment that opens the new aircraft.cfg
    LineEnds lineEnds;  // of the aircraft's own aircraft.cfg
};

const char* const kIfdgHeader =
    "// ZRK tuning of iFDG flight dynamic model\n// Version 1.91 / February 2005\n\n";

void PrintTo(const FamilyCase& c, std::ostream* out) {
    *out << c.model->name;
}

class InstallFamilyTest : public InstallDialogTest,
                          public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(InstallFamilyTest, ReplacesPanelAndConfigurationAndReportsSuccess) {
    const FamilyCase& c = GetParam();
    layOutAircraft(*c.model, c.lineEnds);
    chooseAircraft();
    const std::string identification = statusText();
    const FileTree before = aircraft().tree();
    const std::size_t mark = frontEnd().notices().size();

    clickInstall();

    EXPECT_EQ(aircraft().readFile("Panel\\Panel.cfg"),
              std::string("[fltsim]\r\nalias=ZRK MD-11 panel\\panel.") + c.panelSuffix + "\r\n");
    EXPECT_EQ(std::filesystem::file_size(aircraft().nativePath("Panel\\Panel.cfg")), 44u);
    EXPECT_EQ(aircraft().readFile("Panel\\Panel.cfg_ORIGINAL"), before.at("Panel/Panel.cfg"));

    // Header, the lines through [General] with the product's sim= in both aircraft sections,
    // then the tuned sections in place of the aircraft's own; CR LF throughout.
    const std::string tuned = tuningSectionsOnDisk();
    EXPECT_TRUE(tuned.starts_with("[")) << "no tuned sections for this family";
    EXPECT_EQ(aircraft().readFile("aircraft.cfg"),
              withCrLf(c.header + configHead("MD-11_zrk")) + tuned);
    EXPECT_EQ(aircraft().readFile("aircraft.cfg_ORIGINAL"), before.at("aircraft.cfg"));
    EXPECT_EQ(aircraft().readFile("MD-11_zrk.air"), resourceBytes("tuning_res/MD-11_zrk.air"));
    EXPECT_FALSE(aircraft().exists("aircraft.cf_"));
    const FileTree after = aircraft().tree();
    for (const auto& [name, bytes] : before) {
        EXPECT_TRUE(after.contains(name)) << name << " is gone";
    }

    ASSERT_FALSE(identification.empty());
    EXPECT_EQ(identification.back(), '\n');
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    expectOnlySuccessBeep(mark);
    expectInstallControlsDisabled();
    EXPECT_FALSE(control(IDC_UNINSTALL).enabled);
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    // A second Install cannot be started.
    EXPECT_FALSE(emulated::clickControl(dialog(), IDC_INSTALL).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Families, InstallFamilyTest,
    ::testing::Values(
        FamilyCase{&kCorvane, "crvn",
                   "// ZRK tuning of iFDG flight dynamic model adapted to Corvane 3d model\n"
                   "// Version 1.91 / February 2005\n\n",
                   LineEnds::crlf},
        FamilyCase{&kOverland, "ovld",
                   "// ZRK tuning of iFDG flight dynamic model adapted to Overland 3d model\n"
                   "// Version 1.91 / February 2005\n\n",
                   LineEnds::lf},
        FamilyCase{&kIfdg10, "ifdg", kIfdgHeader, LineEnds::crlf},
        FamilyCase{&kIfdg15, "ifdg", kIfdgHeader, LineEnds::lf},
        FamilyCase{&kIfdgUnknown, "ifdg", kIfdgHeader, LineEnds::crlf},
        FamilyCase{&kIfdgCargo, "ifdg", kIfdgHeader, LineEnds::crlf}),
    [](const auto& testInfo) { return std::string(testInfo.param.model->name); });

class RealisticBrakesTest : public InstallDialogTest, public ::testing::WithParamInterface<bool> {};

// The box is read when Install starts: the user's last click counts.
TEST_P(RealisticBrakesTest, ChoosesTheToeBrakeScale) {
    const bool realistic = GetParam();
    layOutAircraft(kCorvane);
    chooseAircraft();
    emulated::clickControl(dialog(), IDC_REALISTIC_BRAKES);
    if (realistic) {
        emulated::clickControl(dialog(), IDC_REALISTIC_BRAKES);
    }
    ASSERT_EQ(getCheckState(dialog(), IDC_REALISTIC_BRAKES), realistic ? BST_CHECKED : 0u);

    clickInstall();

    const std::string config = aircraft().readFile("aircraft.cfg");
    const std::string chosen = realistic ? "0.335704" : "0.671407";
    const std::string other = realistic ? "0.671407" : "0.335704";
    EXPECT_NE(config.find("\r\ntoe_brakes_scale=" + chosen + "\r\n"), std::string::npos);
    EXPECT_EQ(config.find("toe_brakes_scale=" + other), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(CheckedAndNot, RealisticBrakesTest, ::testing::Bool());

TEST_F(InstallDialogTest, MissingFlightDynamicsResourceStillSucceeds) {
    removeResource("tuning_res/MD-11_zrk.air");
    layOutAircraft(kIfdg15);
    chooseAircraft();
    const std::string identification = statusText();

    clickInstall();

    EXPECT_FALSE(aircraft().exists("MD-11_zrk.air"));
    EXPECT_TRUE(aircraft().exists("aircraft.cfg_ORIGINAL"));
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
}

TEST_F(InstallDialogTest, ExistingFlightDynamicsFileIsOverwrittenWithoutAKeptCopy) {
    layOutAircraft(kOverland);
    aircraft().writeFile("MD-11_zrk.air", "an older tuned file");
    chooseAircraft();

    clickInstall();

    EXPECT_EQ(aircraft().readFile("MD-11_zrk.air"), resourceBytes("tuning_res/MD-11_zrk.air"));
    EXPECT_FALSE(aircraft().exists("MD-11_zrk.air_ORIGINAL"));
}

// Failures before anything is copied: one box, the folder as it was, the options disabled.
enum class Arrangement { asLaidOut, noPanelConfig, keptPanelLeft, sectionBeforeGeneral };

struct FailureCase {
    const char* name;
    Arrangement arrangement;
    unsigned failOpen;  // counted from the click on Install: the alias, aircraft.cfg, the new one
    unsigned failWrite; // the alias takes the first two writes
    std::string message;
};

const std::string kNotModified = "\n\nPanel is not installed and your\naircraft was not modified.";
const std::string kGenerationFailed = "Failure of new \"Aircraft.cfg\" file generation !!!\n\n";

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class InstallFailureTest : public InstallDialogTest,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(InstallFailureTest, ShowsTheReasonAndLeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    layOutAircraft(kCorvane);
    aircraft().writeTextFile("Sound\\sound.cfg", "[own sounds]\n");
    addSoundFolder();
    switch (c.arrangement) {
    case Arrangement::noPanelConfig:
        std::filesystem::remove(aircraft().nativePath("Panel\\Panel.cfg"));
        break;
    case Arrangement::keptPanelLeft:
        aircraft().writeTextFile("Panel\\Panel.cfg_ORIGINAL", "[from an earlier install]\n");
        break;
    case Arrangement::sectionBeforeGeneral: {
        std::string config = aircraftConfig(kCorvane.simName);
        config.insert(config.find("[General]"), "[Views]\neyepoint=1\n\n");
        aircraft().writeConfig(config);
        break;
    }
    case Arrangement::asLaidOut:
        break;
    }
    chooseAircraft();
    emulated::clickControl(dialog(), IDC_ENGINE_SOUNDS);
    ASSERT_TRUE(control(IDC_INSTALL).enabled);
    ASSERT_EQ(getCheckState(dialog(), IDC_ENGINE_SOUNDS), BST_CHECKED);
    ASSERT_EQ(getCheckState(dialog(), IDC_TRIMDESK), BST_CHECKED);
    const std::string identification = statusText();
    const FileTree before = aircraft().tree();
    const std::size_t mark = frontEnd().notices().size();

    {
        FailingFileOps failing;
        failing.failOpenNumber(c.failOpen);
        failing.failWriteNumber(c.failWrite);
        clickInstall();
    }

    EXPECT_EQ(aircraft().tree(), before);
    expectOnlyErrorBox(mark, c.message);
    EXPECT_EQ(statusText(), identification);
    expectInstallControlsDisabled();
    EXPECT_FALSE(control(IDC_UNINSTALL).enabled);
}

INSTANTIATE_TEST_SUITE_P(
    PanelAndConfigurationStage, InstallFailureTest,
    ::testing::Values(
        FailureCase{"NoPanelConfig", Arrangement::noPanelConfig, 0, 0,
                    "Unable to found original \"Panel.cfg\" file !!!" + kNotModified},
        FailureCase{"KeptPanelConfigLeftOver", Arrangement::keptPanelLeft, 0, 0,
                    "Unable to rename original \"Panel.cfg\" file !!!" + kNotModified},
        FailureCase{"AliasCannotBeCreated", Arrangement::asLaidOut, 1, 0,
                    "Unable to create new \"Panel.cfg\" file !!!" + kNotModified},
        FailureCase{"SectionBeforeGeneral", Arrangement::sectionBeforeGeneral, 0, 0,
                    kGenerationFailed +
                        "In original configuration file, [General] section DO\nNOT follow "
                        "immediately the last [Fltsim.x] section." +
                        kNotModified},
        FailureCase{"ConfigCannotBeOpened", Arrangement::asLaidOut, 2, 0,
                    kGenerationFailed + kNotModified},
        FailureCase{"NewConfigCannotBeCreated", Arrangement::asLaidOut, 3, 0,
                    kGenerationFailed + kNotModified},
        FailureCase{"WriteFailsWhileCopying", Arrangement::asLaidOut, 0, 6,
                    kGenerationFailed + "A system failure occur during writing operations." +
                        kNotModified}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
