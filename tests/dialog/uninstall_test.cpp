// "Uninstall" on installed aircraft folders: the three refusals that touch nothing, and the
// restore that deletes every file an Install of any layout or version may have added.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/config_text.h"
#include "tests/support/install_fixture.h"

namespace {

const std::string kAlreadyInstalled = "ZRK MD-11 panel already installed.\n";

// Every file an Install may have added, whichever layout and product version.
const std::vector<std::string> kAddedFiles = {
    "VORAZ11e.air",       "MD-11_zrk.air",      "TD-MD11-CARGO.bmp",  "TD-MD11-CARGO.ini",
    "TD-MD11-CBI-1C.bmp", "TD-MD11-CBI-1C.ini", "TD-MD11-CBI-2C.bmp", "TD-MD11-CBI-2C.ini",
    "TD-MD11-PAX-1C.bmp", "TD-MD11-PAX-1C.ini", "TD-MD11-PAX-2C.bmp", "TD-MD11-PAX-2C.ini",
    "TD-MD11-PAX-3C.bmp", "TD-MD11-PAX-3C.ini", "Trimdesk.exe",       "Trimdesk.ini"};

struct RefusalCase {
    const char* name;
    std::vector<std::string> removed; // by hand after the install
    std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class UninstallRefusalTest : public InstallDialogTest,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UninstallRefusalTest, NamesTheFirstMissingFileAndTouchesNothing) {
    const RefusalCase& c = GetParam();
    installAndChooseAgain(kOverland);
    for (const std::string& name : c.removed) {
        ASSERT_TRUE(std::filesystem::remove(aircraft().nativePath(name))) << name;
    }
    const FileTree before = aircraft().tree();
    const std::size_t mark = frontEnd().notices().size();

    clickUninstall();

    EXPECT_EQ(aircraft().tree(), before);
    expectOnlyErrorBox(mark, c.message);
    EXPECT_EQ(statusText(), kAlreadyInstalled);
    EXPECT_FALSE(control(IDC_UNINSTALL).enabled);
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    expectInstallControlsDisabled();
}

const std::string kConfigMissing =
    "Original \"aircraft.cfg\" file missing !!!\n\nImpossible to uninstall.";
const std::string kAirMissing = "Original AIR file missing !!!\n\nImpossible to uninstall.";
const std::string kPanelMissing =
    "Original \"Panel.cfg\" file missing !!!\n\nImpossible to uninstall.";

INSTANTIATE_TEST_SUITE_P(
    InOrder, UninstallRefusalTest,
    ::testing::Values(RefusalCase{"KeptConfig", {"aircraft.cfg_ORIGINAL"}, kConfigMissing},
                      RefusalCase{
                          "KeptConfigBeforeTheOthers",
                          {"aircraft.cfg_ORIGINAL", "MD-11_zrk.air", "Panel\\Panel.cfg_ORIGINAL"},
                          kConfigMissing},
                      RefusalCase{"FlightDynamics", {"MD-11_zrk.air"}, kAirMissing},
                      RefusalCase{"FlightDynamicsBeforeKeptPanel",
                                  {"MD-11_zrk.air", "Panel\\Panel.cfg_ORIGINAL"},
                                  kAirMissing},
                      RefusalCase{"KeptPanel", {"Panel\\Panel.cfg_ORIGINAL"}, kPanelMissing}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(InstallDialogTest, UninstallRestoresDeletesEveryAddedFileAndOffersChooseSame) {
    installAndChooseAgain(kCorvane);
    // As if earlier installs had left files of every layout and of the older product.
    for (const std::string& name : kAddedFiles) {
        if (!aircraft().exists(name)) {
            aircraft().writeFile(name, "left by an earlier install");
        }
    }
    const std::size_t mark = frontEnd().notices().size();

    clickUninstall();

    for (const std::string& name : kAddedFiles) {
        EXPECT_FALSE(aircraft().exists(name)) << name;
    }
    EXPECT_EQ(aircraft().readFile("aircraft.cfg"), withCrLf(aircraftConfig("md11")));
    EXPECT_FALSE(aircraft().exists("aircraft.cfg_ORIGINAL"));
    EXPECT_FALSE(aircraft().exists("Panel\\Panel.cfg_ORIGINAL"));
    EXPECT_EQ(aircraft().readFile("Sound\\Sound.cfg"), "[own sounds]\r\nengine=1\r\n");
    EXPECT_EQ(statusText(), kAlreadyInstalled + "Panel uninstalled successfully.");
    expectOnlySuccessBeep(mark);
    EXPECT_FALSE(control(IDC_UNINSTALL).enabled);
    EXPECT_TRUE(control(IDC_CHOOSE_SAME).visible);
    expectInstallControlsDisabled();
    EXPECT_FALSE(emulated::clickControl(dialog(), IDC_UNINSTALL).has_value());
}

TEST_F(InstallDialogTest, UninstallWithoutKeptSoundLeavesTheAircraftsSoundAlone) {
    layOutAircraft(kOverland);
    aircraft().writeTextFile("Sound\\sound.cfg", "[own sounds]\n");
    chooseAircraft(); // no sound package: the sound step is skipped
    clickInstall();
    chooseAircraft();
    const std::string ownSound = aircraft().readFile("Sound\\sound.cfg");

    clickUninstall();

    EXPECT_EQ(aircraft().readFile("Sound\\sound.cfg"), ownSound);
    EXPECT_EQ(statusText(), kAlreadyInstalled + "Panel uninstalled successfully.");
}

// An aircraft installed by the older product: its sim= value in another letter case still
// names the flight-dynamics file that must be there, and which is then deleted.
TEST_F(InstallDialogTest, UninstallOfAnOlderProductVersion) {
    layOutAircraft(kIfdg10);
    aircraft().writeFile("aircraft.cfg_ORIGINAL", aircraft().readFile("aircraft.cfg"));
    aircraft().writeConfig(aircraftConfig("voraz11E"));
    aircraft().writeFile("Panel\\Panel.cfg_ORIGINAL", aircraft().readFile("Panel\\Panel.cfg"));
    aircraft().writeTextFile("Panel\\Panel.cfg", "[fltsim]\nalias=older panel\n");
    aircraft().writeFile("VORAZ11e.air", "older tuned file");
    chooseAircraft();
    ASSERT_EQ(statusText(), kAlreadyInstalled);

    clickUninstall();

    EXPECT_EQ(aircraft().readFile("aircraft.cfg"), withCrLf(aircraftConfig("MD-11")));
    EXPECT_FALSE(aircraft().exists("VORAZ11e.air"));
    EXPECT_FALSE(aircraft().exists("Panel\\Panel.cfg_ORIGINAL"));
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
}

} // namespace
