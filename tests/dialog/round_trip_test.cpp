// Install, choose again, Uninstall: the aircraft folder comes back byte for byte for every
// family, and "Choose same" analyses the restored aircraft as at the start.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/install_fixture.h"

namespace {

class RoundTripTest : public InstallDialogTest,
                      public ::testing::WithParamInterface<const AircraftModel*> {};

TEST_P(RoundTripTest, UninstallRestoresTheFolderAndChooseSameAnalysesItAgain) {
    const AircraftModel& model = *GetParam();
    layOutAircraft(model);
    aircraft().writeTextFile("Sound\\Sound.cfg", "[own sounds]\nengine=1\n");
    aircraft().writeFile("texture.1\\fuselage.bmp", resourceBytes("own texture"));
    addSoundFolder();
    const FileTree before = aircraft().tree();

    chooseAircraft();
    const std::string identification = statusText();
    ASSERT_TRUE(control(IDC_INSTALL).enabled);
    emulated::clickControl(dialog(), IDC_ENGINE_SOUNDS);
    ASSERT_EQ(getCheckState(dialog(), IDC_ENGINE_SOUNDS), BST_CHECKED);
    ASSERT_EQ(getCheckState(dialog(), IDC_TRIMDESK), BST_CHECKED);
    clickInstall();
    ASSERT_EQ(statusText(), identification + "Panel installed successfully.");
    ASSERT_TRUE(aircraft().exists("Trimdesk.exe"));
    ASSERT_EQ(aircraft().readFile("Sound\\sound.cfg"), resourceBytes("tuning_res/sound.cfg"));

    chooseAircraft();
    EXPECT_EQ(statusText(), "ZRK MD-11 panel already installed.\n");
    EXPECT_TRUE(control(IDC_UNINSTALL).enabled);
    expectInstallControlsDisabled();

    clickUninstall();
    EXPECT_EQ(aircraft().tree(), before);
    EXPECT_EQ(statusText(), "ZRK MD-11 panel already installed.\nPanel uninstalled successfully.");

    const std::size_t fileRequests = frontEnd().fileRequests().size();
    clickChooseSame();
    EXPECT_EQ(frontEnd().fileRequests().size(), fileRequests) << "Choose same asked for a file";
    EXPECT_EQ(statusText(), identification);
    EXPECT_TRUE(control(IDC_INSTALL).enabled);
    EXPECT_FALSE(control(IDC_UNINSTALL).enabled);
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
    const std::vector<std::string>& opened = frontEnd().dialogsOpened();
    EXPECT_EQ(std::count(opened.begin(), opened.end(), "ManSetDialog"),
              model.asksManualSettings ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Families, RoundTripTest,
                         ::testing::Values(&kCorvane, &kOverland, &kIfdg10, &kIfdg15, &kIfdgUnknown,
                                           &kIfdgCombi, &kIfdgCargo),
                         [](const auto& testInfo) { return std::string(testInfo.param->name); });

} // namespace
