// "Uninstall" refusing an installed aircraft whose kept copies or flight-dynamics file are gone:
// the first missing file of the three checks is named, and nothing is touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/install_fixture.h"

namespace {

struct RefusalCase {
    const char* name;
    std::vector<std::string> removed; // by hand
    std::string message;
};

class UninstallRefusalTest : public InstallDialogTest,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UninstallRefusalTest, NamesTheFirstMissingFileAndTouchesNothing) {
    const RefusalCase& c = GetParam();
    // As the older product left it: its sim= value, in another letter case, names its .air file.
    layOutAircraft(kOverland);
    aircraft().writeFile("aircraft.cfg_ORIGINAL", aircraft().readFile("aircraft.cfg"));
    aircraft().writeFile("Panel\\Panel.cfg_ORIGINAL", aircraft().readFile("Panel\\Panel.cfg"));
    aircraft().writeTextFile("aircraft.cfg", configHead("voraz11E"));
    aircraft().writeFile("VORAZ11e.air", "older tuned file");
    chooseAircraft();
    for (const std::string& name : c.removed) {
        ASSERT_TRUE(std::filesystem::remove(aircraft().nativePath(name))) << name;
    }
    const FileTree before = aircraft().tree();

    click(IDC_UNINSTALL);

    EXPECT_EQ(aircraft().tree(), before);
    expectOnlyNotice(c.message);
    EXPECT_EQ(statusText(), kAlreadyInstalled);
    expectCommandControls(false);
}

const std::string kCfg = "Original \"aircraft.cfg\" file missing !!!\n\nImpossible to uninstall.";
const std::string kAir = "Original AIR file missing !!!\n\nImpossible to uninstall.";
const std::string kPanel = "Original \"Panel.cfg\" file missing !!!\n\nImpossible to uninstall.";

const RefusalCase kRefusals[] = {
    {"KeptConfig", {"aircraft.cfg_ORIGINAL"}, kCfg},
    {"AllThree", {"aircraft.cfg_ORIGINAL", "VORAZ11e.air", "Panel\\Panel.cfg_ORIGINAL"}, kCfg},
    {"FlightDynamics", {"VORAZ11e.air"}, kAir},
    {"FlightDynamicsBeforeKeptPanel", {"VORAZ11e.air", "Panel\\Panel.cfg_ORIGINAL"}, kAir},
    {"KeptPanel", {"Panel\\Panel.cfg_ORIGINAL"}, kPanel},
};

INSTANTIATE_TEST_SUITE_P(InOrder, UninstallRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
