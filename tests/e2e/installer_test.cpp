// Install.exe under Wine on a copy of the demo folder: each family chosen in the real file dialog,
// the manual settings dialog, a refusal; a second copy; install and uninstall; both ways to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_files.h"
#include "tools/installer_driver.h"

namespace {

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(std::string("Z:") + ZRK_DEMO_AIRCRAFT, root.native("Aircraft"),
                              std::filesystem::copy_options::recursive);
        installer = startInstaller(aircraft("ZRK MD-11 panel installer"));
        ASSERT_NE(dialog = waitForDialog(kMainTitle), nullptr);
    }
    // Before the folder goes: a running installer keeps its current directory.
    void TearDown() override {
        TerminateProcess(installer, 99);
        WaitForSingleObject(installer, kWaitMs);
    }
    std::string aircraft(const std::string& name) const { return root.core("Aircraft\\" + name); }
    std::string status() const { return controlText(dialog, IDC_STATUS); }

    TemporaryFolder root;
    HANDLE installer = nullptr;
    HWND dialog = nullptr;
};

TEST_F(InstallerTest, IdentifiesEachFamilyAsksSettingsRefusesAndCancels) {
    // Each family by its demo aircraft, whose folder name starts with the family's.
    for (const std::string folder :
         {"iFDG MD-11 COMBI PW v1.5", "Corvane MD-11", "Overland MD-11"}) {
        ASSERT_TRUE(choose(dialog, aircraft(folder) + "\\aircraft.cfg")) << folder;
        EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), folder);
        EXPECT_EQ(status().substr(0, status().find('\n')),
                  folder.substr(0, folder.find(' ')) + " MD-11 model identified.");
    }

    // Unknown iFDG version: the modal settings dialog; Tab from OK goes to the checked FX button.
    ASSERT_TRUE(choose(dialog, aircraft("iFDG MD-11F CARGO GE unknown version\\aircraft.cfg")));
    HWND settings = waitForDialog("UNKNOW iFDG MODEL - Tunings manual settings");
    ASSERT_TRUE(settings != nullptr && !IsWindowEnabled(dialog));
    ASSERT_TRUE(escapeThenTab(settings, IDC_NAV_LIGHTS_FX));
    ASSERT_TRUE(click(settings, IDC_NAV_LIGHTS_MDL) && click(settings, IDC_FOLD_AND_HOOK));
    ASSERT_TRUE(click(settings, IDC_MANSET_OK) && closed(settings, dialog));
    EXPECT_NE(status().find("\nUnknow version (manual settings: FX=strobe MDL=nav)\n"),
              std::string::npos);

    ASSERT_TRUE(choose(dialog, aircraft("Mixed MD-11 (refused)\\aircraft.cfg")));
    EXPECT_EQ(errorBoxText(dialog).substr(0, 36), "Illegal aircraft configuration !!!\n\n");
    ASSERT_TRUE(choose(dialog, "")); // cancelled: nothing is analysed
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), "");

    EXPECT_TRUE(PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0)); // the close box
    EXPECT_EQ(exitCode(installer), 1u);
}

TEST_F(InstallerTest, StartsAloneInstallsUninstallsChoosesSameAndQuits) {
    EXPECT_EQ(controls(dialog),
              (std::set<int>{IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_PAX_3_CLASSES}));
    EXPECT_EQ(controls(dialog, true), (std::set<int>{IDC_CHOOSE_AIRCRAFT, IDC_QUIT, IDC_FOLDER_NAME,
                                                     IDC_STATUS, IDC_CHOOSE_SAME}));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
    // The focus starts on "Choose MD-11 aircraft"; Escape sends IDCANCEL, which must not end it.
    ASSERT_TRUE(escapeThenTab(dialog, IDC_QUIT));

    HANDLE second = startInstaller(aircraft("ZRK MD-11 panel installer"));
    EXPECT_EQ(errorBoxText(nullptr), "This application is already running !!!");
    EXPECT_EQ(exitCode(second), 0u);

    const std::string folder = aircraft("iFDG MD-11 COMBI PW v1.5\\");
    const FileTree before = snapshotTree(folder);
    ASSERT_TRUE(choose(dialog, folder + "aircraft.cfg"));
    const std::string identified = status();
    // Disabled controls ignore clicks: the sounds and the COMBI 1 class load editor are offered.
    ASSERT_TRUE(click(dialog, IDC_ENGINE_SOUNDS) && click(dialog, IDC_COMBI_1_CLASS));
    ASSERT_TRUE(click(dialog, IDC_INSTALL));
    EXPECT_EQ(status(), identified + "Panel installed successfully.");
    EXPECT_NE(readNativeFile(folder + "SOUND\\sound.cfg_ORIGINAL"), "");
    EXPECT_NE(readNativeFile(folder + "Trimdesk.ini").find("layout CBI-1C"), std::string::npos);

    ASSERT_TRUE(choose(dialog, folder + "aircraft.cfg"));
    EXPECT_EQ(status(), "ZRK MD-11 panel already installed.\n");
    ASSERT_TRUE(click(dialog, IDC_UNINSTALL));
    EXPECT_EQ(status(), "ZRK MD-11 panel already installed.\nPanel uninstalled successfully.");
    EXPECT_TRUE(snapshotTree(folder) == before) << "the folder is not as it was";

    // "Choose same" analyses the aircraft again, without a file dialog, before its click returns.
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
    ASSERT_TRUE(click(dialog, IDC_CHOOSE_SAME));
    EXPECT_EQ(status(), identified);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
    EXPECT_TRUE(click(dialog, IDC_QUIT));
    EXPECT_EQ(exitCode(installer), 1u);
}

} // namespace
