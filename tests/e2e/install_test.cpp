// Install.exe under Wine: "Install" and "Uninstall" on a real aircraft folder, from a start
// folder with the resource folders and the sibling sound folder, and an install that a kept
// panel file left from earlier stops.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "tests/e2e/installer_fixture.h"
#include "tests/e2e/window_probe.h"

namespace {

constexpr const char* kFolder = "iFDG MD-11 PAX GE v1.5";
constexpr const char* kIdentified = "iFDG MD-11 model identified.\nVersion 1.5 identified.\n"
                                    "Aircraft type: MD-11\nMotorization: General Electric "
                                    "CF6-80C2D1F\n";
const std::set<int> kPaxOptions{IDC_INSTALL,    IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS,
                                IDC_TRIMDESK,   IDC_PAX_3_CLASSES,    IDC_PAX_2_CLASSES,
                                IDC_PAX_1_CLASS};

// Names that were not in `before`.
std::set<std::string> added(const FileTree& before, const FileTree& after) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : after) {
        if (before.count(name) == 0) {
            names.insert(name);
        }
    }
    return names;
}

// Names whose bytes differ between the two trees or that only one of them has, names folded to
// lower case.
std::set<std::string> differences(const FileTree& before, const FileTree& after) {
    auto folded = [](const FileTree& tree) {
        FileTree result;
        for (const auto& [name, bytes] : tree) {
            std::string lower = name;
            CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
            result[lower] = bytes;
        }
        return result;
    };
    FileTree was = folded(before);
    FileTree is = folded(after);
    std::set<std::string> names;
    for (const FileTree* tree : {&was, &is}) {
        for (const auto& [name, bytes] : *tree) {
            if (was.count(name) == 0 || is.count(name) == 0 || was.at(name) != is.at(name)) {
                names.insert(name);
            }
        }
    }
    return names;
}

// What the rewrite keeps of the aircraft's own file: everything up to the end of [General],
// with the aircraft section's sim= line naming the tuned flight model.
std::string keptPartOfConfig(const std::string& original) {
    std::string kept = original.substr(0, original.find("[WEIGHT_AND_BALANCE]"));
    const std::string sim = "sim=MD-11\r\n";
    return kept.replace(kept.find(sim), sim.size(), "sim=MD-11_zrk\r\n");
}

class Installation : public InstallerTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startInstaller(true));
        cfgPath = addAircraft(kFolder, {"MD-11", 8336, "MD11PG.mdl", 3153900});
    }

    FileTree files() const { return snapshotTree(aircraftFolder(kFolder)); }

    std::string cfgPath;
};

// The path is typed whole into the file dialog each time. The first dialog opens in the start
// folder and, with a typed path, leaves it current, so "..\ZRK MD-11 sound" is found beside it
// and "ZRK engine sounds" can be chosen.
TEST_F(Installation, InstallsThenUninstallsBackToTheOriginalFolder) {
    const FileTree before = files();
    ASSERT_TRUE(chooseAircraft(cfgPath));
    ASSERT_EQ(status(), kIdentified);
    ASSERT_EQ(enabledOptions(), kPaxOptions);
    ASSERT_TRUE(click(dialog, IDC_ENGINE_SOUNDS));
    ASSERT_TRUE(click(dialog, IDC_PAX_2_CLASSES));
    EXPECT_TRUE(isChecked(dialog, IDC_ENGINE_SOUNDS));
    EXPECT_EQ(checkedLayouts(), std::set<int>{IDC_PAX_2_CLASSES});

    ASSERT_TRUE(click(dialog, IDC_INSTALL));
    EXPECT_EQ(findDialog(installer->id(), kErrorCaption), nullptr) << "an error box came up";
    EXPECT_EQ(status(), std::string(kIdentified) + "Panel installed successfully.");
    EXPECT_EQ(enabledOptions(), std::set<int>{});
    const FileTree installed = files();
    EXPECT_EQ(added(before, installed),
              (std::set<std::string>{"MD-11_zrk.air", "Panel/Panel.cfg_ORIGINAL",
                                     "Sound/sound.cfg_ORIGINAL", "TD-MD11-PAX-2C.bmp",
                                     "TD-MD11-PAX-2C.ini", "Trimdesk.exe", "Trimdesk.ini",
                                     "aircraft.cfg_ORIGINAL"}));
    EXPECT_EQ(installed.at("Panel/Panel.cfg"), "[fltsim]\r\nalias=ZRK MD-11 panel\\panel.ifdg\r\n");
    EXPECT_EQ(installed.at("Panel/Panel.cfg_ORIGINAL"), kPanelCfg);
    EXPECT_EQ(installed.at("aircraft.cfg_ORIGINAL"), before.at("aircraft.cfg"));
    const std::string& config = installed.at("aircraft.cfg");
    std::string expectedStart = "// ZRK tuning of iFDG flight dynamic model\r\n"
                                "// Version 1.91 / February 2005\r\n\r\n" +
                                keptPartOfConfig(before.at("aircraft.cfg"));
    EXPECT_EQ(config.substr(0, expectedStart.size()), expectedStart);
    EXPECT_GT(config.size(), expectedStart.size()) << "no tuned sections after [General]";
    EXPECT_EQ(config.find("empty_weight=123456"), std::string::npos);
    EXPECT_EQ(installed.at("MD-11_zrk.air"), resourceText("tuning_res\\MD-11_zrk.air"));
    EXPECT_EQ(installed.at("Sound/sound.cfg"), resourceText("tuning_res\\sound.cfg"));
    EXPECT_EQ(installed.at("Sound/sound.cfg_ORIGINAL"), kSoundCfg);
    EXPECT_EQ(installed.at("Trimdesk.exe"), resourceText("trimdesk_res\\Trimdesk.exe"));
    EXPECT_EQ(installed.at("Trimdesk.ini"), resourceText("trimdesk_res\\Trimdesk-PAX-2C.ini"));
    EXPECT_EQ(installed.at("TD-MD11-PAX-2C.ini"), resourceText("trimdesk_res\\TD-MD11-PAX-2C.ini"));
    EXPECT_EQ(installed.at("TD-MD11-PAX-2C.bmp"), resourceText("trimdesk_res\\TD-MD11-PAX-2C.bmp"));

    ASSERT_TRUE(chooseAircraft(cfgPath));
    EXPECT_EQ(status(), "ZRK MD-11 panel already installed.\n");
    EXPECT_EQ(enabledOptions(), std::set<int>{IDC_UNINSTALL});

    ASSERT_TRUE(click(dialog, IDC_UNINSTALL));
    EXPECT_EQ(findDialog(installer->id(), kErrorCaption), nullptr) << "an error box came up";
    EXPECT_EQ(status(), "ZRK MD-11 panel already installed.\nPanel uninstalled successfully.");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
    EXPECT_EQ(enabledOptions(), std::set<int>{});
    // Uninstall puts the sound configuration back as "Sound.cfg", the name it uses; names
    // match without regard to case, as on Windows.
    EXPECT_EQ(differences(before, files()), std::set<std::string>{});

    // "Choose same" analyses the restored aircraft again, without a file dialog. Wine's second
    // dialog opened in the folder of the first pick and made it current (the installer lets
    // the dialog change the directory), so the sound folder is now looked for beside the
    // aircraft folder, where there is none.
    ASSERT_TRUE(click(dialog, IDC_CHOOSE_SAME));
    EXPECT_EQ(findDialog(installer->id(), kFileDialogTitle), nullptr);
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), kFolder);
    EXPECT_EQ(status(), kIdentified);
    std::set<int> withoutSounds = kPaxOptions;
    withoutSounds.erase(IDC_ENGINE_SOUNDS);
    EXPECT_EQ(enabledOptions(), withoutSounds);
    EXPECT_EQ(checkedLayouts(), std::set<int>{IDC_PAX_3_CLASSES});
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
}

TEST_F(Installation, LeftoverKeptPanelStopsTheInstallAndChangesNothing) {
    writeNativeFile(aircraftFolder(kFolder) + "Panel\\Panel.cfg_ORIGINAL",
                    "[Window Titles]\r\nWindow00=Panel of an earlier install\r\n");
    const FileTree before = files();
    ASSERT_TRUE(chooseAircraft(cfgPath));
    ASSERT_EQ(status(), kIdentified);
    ASSERT_TRUE(click(dialog, IDC_ENGINE_SOUNDS));

    ASSERT_TRUE(click(dialog, IDC_INSTALL));
    HWND box = waitForErrorBox();
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(controlText(box, kMessageBoxText),
              "Unable to rename original \"Panel.cfg\" file !!!\n\nPanel is not installed and "
              "your\naircraft was not modified.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
    EXPECT_EQ(visibleButtons(box), 1);
    ASSERT_TRUE(closeBox(box));

    EXPECT_EQ(differences(before, files()), std::set<std::string>{});
    EXPECT_EQ(status(), kIdentified);
    EXPECT_EQ(enabledOptions(), std::set<int>{});
}

} // namespace
