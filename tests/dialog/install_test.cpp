// "Install" and "Uninstall" on real aircraft folders: each family there and back byte for byte,
// the sound step where it must change nothing, every refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/support/main_dialog_fixture.h"

namespace {

const std::string kOwnSound = "[own sounds]\r\nengine=1\r\n";

class InstallFamilyTest : public MainDialogTest, public ::testing::WithParamInterface<Family> {};

TEST_P(InstallFamilyTest, InstallsAndUninstallGivesTheFolderBack) {
    const Family& c = GetParam();
    layOut(aircraft, c);
    aircraft.writeFile("SOUND\\Sound.cfg", kOwnSound);
    std::vector<std::string> added = {"VORAZ11e.air", "MD-11_zrk.air", "Trimdesk.exe",
                                      "Trimdesk.ini"}; // every file an Install may add
    for (const std::string layout : kLayouts) {
        added.insert(added.end(), {"TD-MD11-" + layout + ".bmp", "TD-MD11-" + layout + ".ini"});
    }
    for (const std::string& name : added) {
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
    const std::string family = c.airSize == 10015 ? "crvn" : c.airSize == 8756 ? "ovld" : "ifdg";
    expected["Panel/Panel.cfg"] = "[fltsim]\r\nalias=ZRK MD-11 panel\\panel." + family + "\r\n";
    expected["Panel/Panel.cfg_ORIGINAL"] = before["Panel/Panel.cfg"];
    expected["aircraft.cfg"] =
        withCrLf("// ZRK tuning of iFDG flight dynamic model" +
                 (family == "ifdg" ? "" : " adapted to " + std::string(c.name) + " 3d model") +
                 "\n// Version 1.91 / February 2005\n\n" + configHead("MD-11_zrk")) +
        tuningSectionsOnDisk();
    expected["aircraft.cfg_ORIGINAL"] = before["aircraft.cfg"];
    copied("MD-11_zrk.air", "tuning_res/");
    if (std::ranges::count(c.clicks, IDC_ENGINE_SOUNDS) != 0) {
        expected["SOUND/sound.cfg_ORIGINAL"] = kOwnSound;
        expected["SOUND/Sound.cfg"] = resourceBytes("tuning_res/sound.cfg");
    }
    if (!c.layout.empty()) {
        copied("Trimdesk.exe", "trimdesk_res/");
        expected["Trimdesk.ini"] = resourceBytes("trimdesk_res/Trimdesk-" + c.layout + ".ini");
        copied("TD-MD11-" + c.layout + ".ini", "trimdesk_res/");
        copied("TD-MD11-" + c.layout + ".bmp", "trimdesk_res/");
    }
    EXPECT_EQ(aircraft.tree(), expected);
    // The brakes box counts as it stands when Install is clicked.
    const bool realistic = std::ranges::count(c.clicks, IDC_REALISTIC_BRAKES) != 0;
    EXPECT_NE(expected["aircraft.cfg"].find(realistic ? "toe_brakes_scale=0.671407"
                                                      : "toe_brakes_scale=0.335704"),
              std::string::npos);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    expectEnd();

    chooseAircraftFile();
    click(IDC_UNINSTALL);
    for (const std::string& name : added) {
        before.erase(name);
    }
    EXPECT_EQ(aircraft.tree(), before);
    EXPECT_EQ(statusText(), "ZRK MD-11 panel already installed.\nPanel uninstalled successfully.");
    expectEnd("", true);
}

INSTANTIATE_TEST_SUITE_P(Families, InstallFamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& p) { return std::string(p.param.name); });

// Where a command must leave things as they were: the aircraft's sounds though the box is checked
// (Install succeeds all the same), and every refusal of Install and Uninstall (then one box).
struct KeepCase {
    const char* name;
    int command;      // for Uninstall, the aircraft is an older product's installation
    FileTree written; // before the choice, see AircraftFolder::put
    // After the choice: "-name" removed, "~name" a link to it, "name" made read-only, "<start>" or
    // "<aircraft>" as if chosen from a folder too deep, "<start7>" 7 characters less deep.
    std::vector<std::string> changed;
    std::string message; // none: Install succeeds; else without the ending of every refusal
    bool soundPackage = false;
};
void PrintTo(const KeepCase& c, std::ostream* out) {
    *out << c.name;
}

class KeepTest : public MainDialogTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepTest, LeavesTheFolderOrItsSoundsAsTheyWere) {
    const KeepCase& c = GetParam();
    const bool uninstall = c.command == IDC_UNINSTALL;
    layOut(aircraft, kFamilies[0]); // Corvane
    if (uninstall) {                // its sim= names its .air in another letter case
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
    // Nothing of the deep folder is there: the refusal comes before any file is looked at.
    const std::string deep = "C:\\" + std::string(235, 'd') + "\\";
    for (const std::string& change : c.changed) {
        if (change.starts_with("<start")) {
            std::strcpy(installerState.startDirectory,
                        deep.c_str() + (change.size() > 7 ? change[6] - '0' : 0));
        } else if (change == "<aircraft>") {
            std::strcpy(installerState.aircraftCfgPath, (deep + "aircraft.cfg").c_str());
        } else if (change.starts_with('-')) {
            ASSERT_TRUE(std::filesystem::remove(aircraft.nativePath(change.substr(1)))) << change;
        } else if (change.starts_with('~')) { // the entry moved aside, a link in its place
            const std::string entry = change.substr(1), aside = entry + " (own)";
            std::filesystem::rename(aircraft.nativePath(entry), aircraft.nativePath(aside));
            aircraft.put(entry, "-> " + toNativePath(aside));
        } else {
            makeReadOnly(aircraft.nativePath(change));
        }
    }
    const std::string identification = statusText();
    const std::string kept = aircraft.nativePath(c.message.empty() ? "Sound" : "");
    const FileTree before = snapshotTree(kept);
    // Without the package the box is disabled: only a program could check it.
    setCheckState(dialog(), IDC_ENGINE_SOUNDS, BST_CHECKED);
    click(c.command);
    EXPECT_EQ(snapshotTree(kept), before);
    EXPECT_EQ(statusText(),
              identification + (c.message.empty() ? "Panel installed successfully." : ""));
    const char* ending = uninstall
                             ? "\n\nImpossible to uninstall."
                             : "\n\nPanel is not installed and your\naircraft was not modified.";
    expectEnd(c.message.empty() ? "" : c.message + ending);
}

const std::string kLinkedFolder = "\" is a link to a folder elsewhere !!!\n\nWriting there would "
                                  "change every aircraft\nthat shares it.";
const std::string kLinkedFile = "\" is a link to a file elsewhere !!!\n\nThe installer never "
                                "changes a file through a link.";
const FileTree kKeptSound = {{"Sound\\sound.cfg", "ZRK sounds"},
                             {"Sound\\sound.cfg_ORIGINAL", "own"}};
const std::string kFolder = "\" is a folder where a file belongs !!!";
const std::string kTooLong = "\nwould be longer than 259 characters !!!";
const std::string kMissing = " file missing !!!";
constexpr int kInstall = IDC_INSTALL, kUninstall = IDC_UNINSTALL;

// clang-format off
const KeepCase kKeepCases[] = {
    {"SoundPackageAbsent", kInstall, {{"Sound\\sound.cfg", kOwnSound}}, {}, ""},
    {"NoOwnSoundConfig", kInstall, {{"Sound\\engine.wav", "RIFF"}}, {}, "", true},
    {"KeptSoundCopyAlreadyThere", kInstall,
     {{"Sound\\sound.cfg", kOwnSound}, {"Sound\\sound.cfg_ORIGINAL", "earlier"}}, {}, "", true},
    {"NoPanelConfig", kInstall, {}, {"-Panel\\Panel.cfg"},
     "Unable to found original \"Panel.cfg\" file !!!"},
    {"KeptPanelConfigLeftOver", kInstall, {{"Panel\\Panel.cfg_ORIGINAL", "x"}}, {},
     "Unable to rename original \"Panel.cfg\" file !!!"},
    {"SectionBeforeGeneral", kInstall,
     {{"aircraft.cfg", fltsim("md11") + "[Views]\n" + kGeneralSection}}, {},
     "Failure of new \"Aircraft.cfg\" file generation !!!\n\nIn original configuration file, "
     "[General] section DO\nNOT follow immediately the last [Fltsim.x] section."},
    // What a rename or copy would have to go through, or could not remove, is refused up front.
    {"PanelFolderIsALink", kInstall,
     {{"shared\\Panel.cfg", "[Window Titles]\r\n"}, {"Panel", "-> shared"}}, {},
     "The folder \"Panel" + kLinkedFolder},
    {"SoundFolderIsALink", kInstall, {{"shared\\sound.cfg", kOwnSound}, {"Sound", "-> shared"}},
     {}, "The folder \"Sound" + kLinkedFolder, true},
    {"PanelConfigIsALink", kInstall,
     {{"own.cfg", "[Window Titles]\r\n"}, {"Panel\\Panel.cfg", "-> own.cfg"}}, {},
     "\"Panel\\Panel.cfg" + kLinkedFile},
    {"LoadEditorSettingsAreALink", kInstall, {{"own.ini", "x"}, {"Trimdesk.ini", "-> own.ini"}},
     {}, "\"Trimdesk.ini" + kLinkedFile},
    {"StaleKeptConfigurationIsReadOnly", kInstall, {{"aircraft.cfg_ORIGINAL", "earlier"}},
     {"aircraft.cfg_ORIGINAL"}, "\"aircraft.cfg_ORIGINAL\" is read-only, so it cannot be replaced !!!"},
    {"FlightDynamicsIsAFolder", kInstall, {{"MD-11_zrk.air\\", ""}}, {},
     "\"MD-11_zrk.air" + kFolder},
    {"NewPanelConfigNameIsAFolder", kInstall, {{"Panel\\Panel.cf_\\", ""}}, {},
     "\"Panel\\Panel.cf_" + kFolder},
    {"NewConfigurationNameIsAFolder", kInstall, {{"aircraft.cf_\\", ""}}, {},
     "\"aircraft.cf_" + kFolder},
    {"NewSoundConfigNameIsAFolder", kInstall,
     {{"Sound\\sound.cfg", kOwnSound}, {"Sound\\sound.cf_\\", ""}}, {},
     "\"Sound\\sound.cf_" + kFolder, true},
    {"SoundConfigIsALink", kInstall, {{"own.cfg", kOwnSound}, {"Sound\\sound.cfg", "-> own.cfg"}},
     {}, "\"Sound\\sound.cfg" + kLinkedFile, true},
    {"StartFolderTooDeepForTheLoadEditor", kInstall, {}, {"<start7>"},
     "The path of \"trimdesk_res\\Trimdesk-PAX-3C.ini\" beside the installer" + kTooLong},
    {"StartFolderTooDeep", kInstall, {}, {"<start>"},
     "The path of \"tuning_res\\MD-11_zrk.air\" beside the installer" + kTooLong},
    {"AircraftFolderTooDeep", kInstall, {}, {"<aircraft>"},
     "The path of \"Panel\\Panel.cfg_ORIGINAL\" in the aircraft folder" + kTooLong},
    // Uninstall names the first missing file of the three it checks.
    {"UninstallAllThreeMissing", kUninstall, {},
     {"-aircraft.cfg_ORIGINAL", "-VORAZ11e.air", "-Panel\\Panel.cfg_ORIGINAL"},
     "Original \"aircraft.cfg\"" + kMissing},
    {"UninstallFlightDynamicsBeforeKeptPanel", kUninstall, {},
     {"-VORAZ11e.air", "-Panel\\Panel.cfg_ORIGINAL"}, "Original AIR" + kMissing},
    {"UninstallKeptPanel", kUninstall, {}, {"-Panel\\Panel.cfg_ORIGINAL"},
     "Original \"Panel.cfg\"" + kMissing},
    {"UninstallAircraftFolderTooDeep", kUninstall, {}, {"<aircraft>"},
     "The path of \"aircraft.cfg_ORIGINAL\" in the aircraft folder" + kTooLong},
    {"ConfigurationIsALink", kInstall, {}, {"~aircraft.cfg"}, "\"aircraft.cfg" + kLinkedFile},
    {"UninstallPanelFolderIsALink", kUninstall, {}, {"~Panel"}, "The folder \"Panel" + kLinkedFolder},
    {"UninstallKeptConfigurationIsALink", kUninstall, {}, {"~aircraft.cfg_ORIGINAL"},
     "\"aircraft.cfg_ORIGINAL" + kLinkedFile},
    {"UninstallConfigurationIsALink", kUninstall, {}, {"~aircraft.cfg"},
     "\"aircraft.cfg" + kLinkedFile},
    {"UninstallKeptPanelIsALink", kUninstall, {}, {"~Panel\\Panel.cfg_ORIGINAL"},
     "\"Panel\\Panel.cfg_ORIGINAL" + kLinkedFile},
    {"UninstallPanelConfigIsALink", kUninstall, {}, {"~Panel\\Panel.cfg"},
     "\"Panel\\Panel.cfg" + kLinkedFile},
    {"UninstallSoundFolderIsALink", kUninstall, kKeptSound, {"~Sound"},
     "The folder \"Sound" + kLinkedFolder},
    {"UninstallKeptSoundIsALink", kUninstall, kKeptSound, {"~Sound\\sound.cfg_ORIGINAL"},
     "\"Sound\\Sound.cfg_ORIGINAL" + kLinkedFile},
    {"UninstallSoundConfigIsALink", kUninstall, kKeptSound, {"~Sound\\sound.cfg"},
     "\"Sound\\Sound.cfg" + kLinkedFile},
    {"UninstallAnAddedFileIsALink", kUninstall, {{"own.ini", "x"}, {"Trimdesk.ini", "-> own.ini"}},
     {}, "\"Trimdesk.ini" + kLinkedFile},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(SoundsAndRefusals, KeepTest, ::testing::ValuesIn(kKeepCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
