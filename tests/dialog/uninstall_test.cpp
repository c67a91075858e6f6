// "Uninstall" refusing an installed aircraft whose kept copies or flight-dynamics file are gone:
// the first missing file of the three checks named, and nothing touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/install_fixture.h"

namespace {

struct RefusalCase {
    const char* name;
    std::vector<std::string> removed; // by hand after the install
    std::string message;
};

class UninstallRefusalTest : public InstallDialogTest,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UninstallRefusalTest, NamesTheFirstMissingFileAndTouchesNothing) {
    const RefusalCase& c = GetParam();
    layOutAircraft(kOverland);
    chooseAircraft();
    click(IDC_INSTALL);
    chooseAircraft();
    for (const std::string& name : c.removed) {
        ASSERT_TRUE(std::filesystem::remove(aircraft().nativePath(name))) << name;
    }
    const FileTree before = aircraft().tree();
    const std::size_t mark = noticeCount();

    click(IDC_UNINSTALL);

    EXPECT_EQ(aircraft().tree(), before);
    expectOnlyNotice(mark, c.message);
    EXPECT_EQ(statusText(), kAlreadyInstalled);
    expectCommandControls(false);
}

const std::string kConfigMissing =
    "Original \"aircraft.cfg\" file missing !!!\n\nImpossible to uninstall.";
const std::string kAirMissing = "Original AIR file missing !!!\n\nImpossible to uninstall.";

INSTANTIATE_TEST_SUITE_P(
    InOrder, UninstallRefusalTest,
    ::testing::Values(
        RefusalCase{"KeptConfig", {"aircraft.cfg_ORIGINAL"}, kConfigMissing},
        RefusalCase{"KeptConfigBeforeTheOthers",
                    {"aircraft.cfg_ORIGINAL", "MD-11_zrk.air", "Panel\\Panel.cfg_ORIGINAL"},
                    kConfigMissing},
        RefusalCase{"FlightDynamics", {"MD-11_zrk.air"}, kAirMissing},
        RefusalCase{"FlightDynamicsBeforeKeptPanel",
                    {"MD-11_zrk.air", "Panel\\Panel.cfg_ORIGINAL"},
                    kAirMissing},
        RefusalCase{"KeptPanel",
                    {"Panel\\Panel.cfg_ORIGINAL"},
                    "Original \"Panel.cfg\" file missing !!!\n\nImpossible to uninstall."}),
    [](const auto& p) { return std::string(p.param.name); });

// An aircraft installed by the older product: the flight-dynamics file that must be there is
// the one its sim= line names, in whatever letter case.
TEST_F(InstallDialogTest, UninstallOfAnOlderProductVersion) {
    layOutAircraft(kIfdg10);
    const FileTree before = aircraft().tree();
    aircraft().writeFile("aircraft.cfg_ORIGINAL", aircraft().readFile("aircraft.cfg"));
    aircraft().writeTextFile("aircraft.cfg", configHead("voraz11E"));
    aircraft().writeFile("Panel\\Panel.cfg_ORIGINAL", aircraft().readFile("Panel\\Panel.cfg"));
    aircraft().writeFile("VORAZ11e.air", "older tuned file");
    chooseAircraft();
    ASSERT_EQ(statusText(), kAlreadyInstalled);

    click(IDC_UNINSTALL);

    EXPECT_EQ(aircraft().tree(), before);
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
}

} // namespace
