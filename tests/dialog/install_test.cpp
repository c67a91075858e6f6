// "Install" and "Uninstall" on real aircraft folders: each family there and back byte for byte,
// the sound step where it must change nothing, every refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/config_text.h"
#include "tests/support/install_fixture.h"

namespace {

class InstallTest : public InstallFixture {
protected:
    // As after every Install and Uninstall: its one notice, the options disabled.
    void expectEnd(bool chooseSameShown, const std::string& errorText = "") {
        expectOnlyNotice(errorText);
        EXPECT_EQ(options(), std::vector<int>{});
        EXPECT_EQ(control(IDC_CHOOSE_SAME).visible, chooseSameShown);
    }
};

class InstallFamilyTest : public InstallTest, public ::testing::WithParamInterface<Family> {};

TEST_P(InstallFamilyTest, InstallsAndUninstallGivesTheFolderBack) {
    const Family& c = GetParam();
    layOut(c);
    aircraft.writeFile("SOUND\\Sound.cfg", kOwnSound);
    for (const char* name : kAddedFiles) {
        aircraft.writeFile(name, "left by an earlier install");
    }
    addSoundFolder();
    if (!c.missing.empty()) {
        ASSERT_TRUE(std::filesystem::remove(startFolder() + "/" + c.missing));
    }
    FileTree before = aircraft.tree();
    if (c.modelSize == 2000000) {
        frontEnd().queueInput("ManSetDialog", emulated::InputEvent::click(IDC_MANSET_OK));
    }
    chooseAircraftFile();
    const std::string identification = statusText();
    for (int id : c.clicks) {
        click(id);
    }
    click(IDC_INSTALL);

    FileTree expected = before;
    const auto copied = [&](const std::string& name, const std::string& folder) {
        if (folder + name != c.missing) {
            expected[name] = resourceBytes(folder + name);
        }
    };
    const std::string suffix = c.panelSuffix;
    const std::string adapted =
        suffix == "ifdg" ? "" : " adapted to " + std::string(c.name) + " 3d model";
    expected["Panel/Panel.cfg"] = "[fltsim]\r\nalias=ZRK MD-11 panel\\panel." + suffix + "\r\n";
    expected["Panel/Panel.cfg_ORIGINAL"] = before["Panel/Panel.cfg"];
    expected["aircraft.cfg"] =
        withCrLf("// ZRK tuning of iFDG flight dynamic model" + adapted +
                 "\n// Version 1.91 / February 2005\n\n" + configHead("MD-11_zrk")) +
        tuningSectionsOnDisk();
    expected["aircraft.cfg_ORIGINAL"] = before["aircraft.cfg"];
    copied("MD-11_zrk.air", "tuning_res/");
    if (std::ranges::count(c.clicks, kSounds) != 0) {
        expected["SOUND/sound.cfg_ORIGINAL"] = kOwnSound;
        expected["SOUND/Sound.cfg"] = resourceBytes("tuning_res/sound.cfg");
    }
    if (!c.token.empty()) {
        copied("Trimdesk.exe", "trimdesk_res/");
        expected["Trimdesk.ini"] = resourceBytes("trimdesk_res/Trimdesk-" + c.token + ".ini");
        copied("TD-MD11-" + c.token + ".ini", "trimdesk_res/");
        copied("TD-MD11-" + c.token + ".bmp", "trimdesk_res/");
    }
    EXPECT_EQ(aircraft.tree(), expected);
    // The brakes box counts as it stands when Install is clicked.
    EXPECT_NE(expected["aircraft.cfg"].find(std::ranges::count(c.clicks, kBrakes) != 0
                                                ? "toe_brakes_scale=0.671407"
                                                : "toe_brakes_scale=0.335704"),
              std::string::npos);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    expectEnd(false);

    chooseAircraftFile();
    click(IDC_UNINSTALL);
    for (const char* name : kAddedFiles) {
        before.erase(name);
    }
    EXPECT_EQ(aircraft.tree(), before);
    EXPECT_EQ(statusText(), kAlreadyInstalled + "Panel uninstalled successfully.");
    expectEnd(true);
}

INSTANTIATE_TEST_SUITE_P(Families, InstallFamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& p) { return std::string(p.param.name); });

// Where a command must leave things as they were: the aircraft's sounds though the box is checked
// (Install succeeds all the same), and every refusal of Install and Uninstall (then one box).
enum class LongPath { none, startFolder, aircraftFolder };

struct KeepCase {
    const char* name;
    FileTree written; // before the choice, see AircraftFolder::put
    bool soundPackage;
    std::vector<std::string> removed;  // after the choice
    std::vector<std::string> readOnly; // after the choice
    LongPath longPath;                 // as if chosen from a folder that deep
    int command;         // for Uninstall, the aircraft is an older product's installation
    std::string message; // none: Install succeeds
};

class KeepTest : public InstallTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepTest, LeavesTheFolderOrItsSoundsAsTheyWere) {
    const KeepCase& c = GetParam();
    layOut(kFamilies[0]);             // Corvane
    if (c.command == IDC_UNINSTALL) { // its sim= names its .air in another letter case
        aircraft.writeFile("aircraft.cfg_ORIGINAL", aircraft.readFile("aircraft.cfg"));
        aircraft.writeFile("Panel\\Panel.cfg_ORIGINAL", aircraft.readFile("Panel\\Panel.cfg"));
        aircraft.writeTextFile("aircraft.cfg", configHead("voraz11E"));
        aircraft.writeFile("VORAZ11e.air", "older tuned file");
    }
    for (const auto& [name, bytes] : c.written) {
        aircraft.put(name, bytes);
    }
    if (c.soundPackage) {
        addSoundFolder();
    }
    chooseAircraftFile();
    for (const std::string& name : c.removed) {
        ASSERT_TRUE(std::filesystem::remove(aircraft.nativePath(name))) << name;
    }
    for (const std::string& name : c.readOnly) {
        makeReadOnly(aircraft.nativePath(name));
    }
    // Nothing of the deep folder is there: the refusal comes before any file is looked at.
    const std::string deep = "C:\\" + std::string(235, 'd') + "\\";
    if (c.longPath == LongPath::startFolder) {
        std::strcpy(installerState.startDirectory, deep.c_str());
    } else if (c.longPath == LongPath::aircraftFolder) {
        std::strcpy(installerState.aircraftCfgPath, (deep + "aircraft.cfg").c_str());
    }
    const std::string identification = statusText();
    const std::string kept = aircraft.nativePath(c.message.empty() ? "Sound" : "");
    const FileTree before = snapshotTree(kept);
    // Without the package the box is disabled: only a program could check it.
    setCheckState(dialog(), kSounds, BST_CHECKED);
    click(c.command);
    EXPECT_EQ(snapshotTree(kept), before);
    EXPECT_EQ(statusText(),
              identification + (c.message.empty() ? "Panel installed successfully." : ""));
    expectEnd(false, c.message);
}

const std::string kNotModified = "\n\nPanel is not installed and your\naircraft was not modified.";
const std::string kGenerationFailed = "Failure of new \"Aircraft.cfg\" file generation !!!\n\n";
const std::string kMissing = " file missing !!!\n\nImpossible to uninstall.";
const std::string kLinkedFolder = "\" is a link to a folder elsewhere !!!\n\nWriting there would "
                                  "change every aircraft\nthat shares it.";
const std::string kLinkedFile = "\" is a link to a file elsewhere !!!\n\nThe installer never "
                                "changes a file through a link.";
const std::string kTooLong = "\nwould be longer than 259 characters !!!";
constexpr int kInstall = IDC_INSTALL, kUninstall = IDC_UNINSTALL;
constexpr LongPath kFits = LongPath::none;

// clang-format off
const KeepCase kKeepCases[] = {
    {"SoundPackageAbsent", {{"Sound\\sound.cfg", kOwnSound}}, false, {}, {}, kFits, kInstall, ""},
    {"NoOwnSoundConfig", {{"Sound\\engine.wav", "RIFF"}}, true, {}, {}, kFits, kInstall, ""},
    {"KeptSoundCopyAlreadyThere",
     {{"Sound\\sound.cfg", kOwnSound}, {"Sound\\sound.cfg_ORIGINAL", "earlier"}}, true, {}, {},
     kFits, kInstall, ""},
    {"NoPanelConfig", {}, false, {"Panel\\Panel.cfg"}, {}, kFits, kInstall,
     "Unable to found original \"Panel.cfg\" file !!!" + kNotModified},
    {"KeptPanelConfigLeftOver", {{"Panel\\Panel.cfg_ORIGINAL", "x"}}, false, {}, {}, kFits,
     kInstall, "Unable to rename original \"Panel.cfg\" file !!!" + kNotModified},
    {"SectionBeforeGeneral", {{"aircraft.cfg", fltsim("md11") + "[Views]\n" + kGeneralSection}},
     false, {}, {}, kFits, kInstall, kGenerationFailed + "In original configuration file, "
     "[General] section DO\nNOT follow immediately the last [Fltsim.x] section." + kNotModified},
    // What a rename or copy would have to go through, or could not remove, is refused up front.
    {"PanelFolderIsALink", {{"shared\\Panel.cfg", "[Window Titles]\r\n"}, {"Panel", "-> shared"}},
     false, {}, {}, kFits, kInstall, "The folder \"Panel" + kLinkedFolder + kNotModified},
    {"SoundFolderIsALink", {{"shared\\sound.cfg", kOwnSound}, {"Sound", "-> shared"}}, true, {},
     {}, kFits, kInstall, "The folder \"Sound" + kLinkedFolder + kNotModified},
    {"PanelConfigIsALink", {{"own.cfg", "[Window Titles]\r\n"}, {"Panel\\Panel.cfg", "-> own.cfg"}},
     false, {}, {}, kFits, kInstall, "\"Panel\\Panel.cfg" + kLinkedFile + kNotModified},
    {"LoadEditorSettingsAreALink", {{"own.ini", "x"}, {"Trimdesk.ini", "-> own.ini"}}, false, {},
     {}, kFits, kInstall, "\"Trimdesk.ini" + kLinkedFile + kNotModified},
    {"StaleKeptConfigurationIsReadOnly", {{"aircraft.cfg_ORIGINAL", "earlier"}}, false, {},
     {"aircraft.cfg_ORIGINAL"}, kFits, kInstall,
     "\"aircraft.cfg_ORIGINAL\" is read-only, so it cannot be replaced !!!" + kNotModified},
    {"FlightDynamicsIsAFolder", {{"MD-11_zrk.air\\", ""}}, false, {}, {}, kFits, kInstall,
     "\"MD-11_zrk.air\" is a folder where a file belongs !!!" + kNotModified},
    {"StartFolderTooDeep", {}, false, {}, {}, LongPath::startFolder, kInstall,
     "The path of \"tuning_res\\MD-11_zrk.air\" beside the installer" + kTooLong + kNotModified},
    {"AircraftFolderTooDeep", {}, false, {}, {}, LongPath::aircraftFolder, kInstall,
     "The path of \"Panel\\Panel.cfg_ORIGINAL\" in the aircraft folder" + kTooLong + kNotModified},
    // Uninstall names the first missing file of the three it checks.
    {"UninstallAllThreeMissing", {}, false,
     {"aircraft.cfg_ORIGINAL", "VORAZ11e.air", "Panel\\Panel.cfg_ORIGINAL"}, {}, kFits,
     kUninstall, "Original \"aircraft.cfg\"" + kMissing},
    {"UninstallFlightDynamicsBeforeKeptPanel", {}, false,
     {"VORAZ11e.air", "Panel\\Panel.cfg_ORIGINAL"}, {}, kFits, kUninstall, "Original AIR" + kMissing},
    {"UninstallKeptPanel", {}, false, {"Panel\\Panel.cfg_ORIGINAL"}, {}, kFits, kUninstall,
     "Original \"Panel.cfg\"" + kMissing},
    {"UninstallAnAddedFileIsALink", {{"own.ini", "x"}, {"Trimdesk.ini", "-> own.ini"}}, false, {},
     {}, kFits, kUninstall, "\"Trimdesk.ini" + kLinkedFile + "\n\nImpossible to uninstall."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(SoundsAndRefusals, KeepTest, ::testing::ValuesIn(kKeepCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
