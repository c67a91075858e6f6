// "Install" and "Uninstall" on real aircraft folders: each family there and back byte for byte,
// the sound step where it must change nothing, every refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/config_text.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/main_dialog_fixture.h"

namespace {

constexpr int kBrakes = IDC_REALISTIC_BRAKES;
constexpr int kSounds = IDC_ENGINE_SOUNDS;
const std::string kAlreadyInstalled = "ZRK MD-11 panel already installed.\n";
const std::string kOwnSound = "[own sounds]\r\nengine=1\r\n";

// An aircraft that identifies as one model family, and what a test does with it.
struct Family {
    const char* name;
    const char* sim;          // sim= value of every aircraft section
    std::uintmax_t airSize;   // of <sim>.air
    const char* modelFile;    // in the folder "model", or null
    std::uintmax_t modelSize; // chooses the version; 2000000 brings up "ManSetDialog"
    const char* panelSuffix;
    std::vector<int> clicks;  // after the choice; brakes and load editor start checked, sounds not
    std::string token;        // of the layout installed, or empty when the load editor is left out
    std::string missing = ""; // a resource taken away, whose copy then does not take place
};

// clang-format off
const Family kFamilies[] = {
    {"Corvane", "md11", 10015, nullptr, 0, "crvn", {kSounds, IDC_PAX_2_CLASSES}, "PAX-2C"},
    {"Overland", "Md11", 8756, nullptr, 0, "ovld", {kBrakes, IDC_PAX_1_CLASS}, "PAX-1C",
     "trimdesk_res/TD-MD11-PAX-1C.bmp"},
    {"Ifdg10", "MD-11", 8336, "MD11PG.mdl", 4127528, "ifdg", {kSounds}, "PAX-3C"}, // as it starts
    {"IfdgOther", "MD-11", 8336, "MD11PG.mdl", 2000000, "ifdg", {kBrakes, kSounds, IDC_TRIMDESK},
     "", "tuning_res/MD-11_zrk.air"},
    {"Combi", "MD-11", 8336, "MD11CG.mdl", 3153900, "ifdg", {kSounds}, "CBI-2C"},
    {"CombiPw", "MD-11", 8336, "MD11CP.mdl", 4127528, "ifdg", {kBrakes, kSounds, IDC_COMBI_1_CLASS},
     "CBI-1C"},
    {"Cargo", "MD-11", 8336, "MD11FP.mdl", 3153900, "ifdg", {}, "CARGO"},
};
// clang-format on

// Every file an Install of any layout or product version may add.
const char* const kAddedFiles[] = {
    "VORAZ11e.air",       "MD-11_zrk.air",      "TD-MD11-CARGO.bmp",  "TD-MD11-CARGO.ini",
    "TD-MD11-CBI-1C.bmp", "TD-MD11-CBI-1C.ini", "TD-MD11-CBI-2C.bmp", "TD-MD11-CBI-2C.ini",
    "TD-MD11-PAX-1C.bmp", "TD-MD11-PAX-1C.ini", "TD-MD11-PAX-2C.bmp", "TD-MD11-PAX-2C.ini",
    "TD-MD11-PAX-3C.bmp", "TD-MD11-PAX-3C.ini", "Trimdesk.exe",       "Trimdesk.ini"};

// aircraft.cfg up to the end of [General], with that sim=: what a rewrite copies.
std::string configHead(const std::string& sim) {
    return "// MD-11 as its author shipped it\n" + fltsim(sim, "", "MD-11", 0) +
           "texture=1\natc_airline=HOUSE\n\n" + fltsim(sim, "", "MD-11", 1) + "\n" +
           kGeneralSection + "editable=1\n\n";
}

// Different for each resource, with CR, LF, NUL and 0x1A among them.
std::string resourceBytes(const std::string& name) {
    return "resource " + name + std::string("\r\n\0\x1a\n", 5) + name;
}

class InstallTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        std::vector<std::string> names = {"tuning_res/MD-11_zrk.air", "tuning_res/sound.cfg",
                                          "trimdesk_res/Trimdesk.exe"};
        for (const std::string t : {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"}) {
            names.insert(names.end(), {"trimdesk_res/Trimdesk-" + t + ".ini",
                                       "trimdesk_res/TD-MD11-" + t + ".ini",
                                       "trimdesk_res/TD-MD11-" + t + ".bmp"});
        }
        for (const std::string& name : names) {
            writeNativeFile(startFolder() + "/" + name, resourceBytes(name));
        }
    }
    // With its own Panel\Panel.cfg; a rewrite replaces the sections after [General].
    void layOut(const Family& family) {
        aircraft.writeConfig(configHead(family.sim) +
                             "[WEIGHT_AND_BALANCE]\nempty_weight=285000\n\n[flight_tuning]\n");
        aircraft.addFile(std::string(family.sim) + ".air", family.airSize);
        if (family.modelFile != nullptr) {
            aircraft.addFile(std::string("model\\") + family.modelFile, family.modelSize);
        }
        aircraft.writeTextFile("Panel\\Panel.cfg", "[Window Titles]\nWindow00=Main Panel\n");
    }
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
struct KeepCase {
    const char* name;
    FileTree written; // before the choice
    bool soundPackage;
    std::vector<std::string> removed; // after the choice
    int command;                  // for Uninstall, the aircraft is an older product's installation
    unsigned failOpen, failWrite; // Nth from the click; opens: alias, aircraft.cfg, new one
    std::string message;          // none: Install succeeds
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
        aircraft.writeFile(name, bytes);
    }
    if (c.soundPackage) {
        addSoundFolder();
    }
    chooseAircraftFile();
    for (const std::string& name : c.removed) {
        ASSERT_TRUE(std::filesystem::remove(aircraft.nativePath(name))) << name;
    }
    const std::string identification = statusText();
    const std::string kept = aircraft.nativePath(c.message.empty() ? "Sound" : "");
    const FileTree before = snapshotTree(kept);
    // Without the package the box is disabled: only a program could check it.
    setCheckState(dialog(), kSounds, BST_CHECKED);
    {
        FailingFileOps failing;
        failing.failOpenNumber(c.failOpen);
        failing.failWriteNumber(c.failWrite);
        click(c.command);
    }
    EXPECT_EQ(snapshotTree(kept), before);
    EXPECT_EQ(statusText(),
              identification + (c.message.empty() ? "Panel installed successfully." : ""));
    expectEnd(false, c.message);
}

const std::string kNotModified = "\n\nPanel is not installed and your\naircraft was not modified.";
const std::string kGenerationFailed = "Failure of new \"Aircraft.cfg\" file generation !!!\n\n";
const std::string kMissing = " file missing !!!\n\nImpossible to uninstall.";
constexpr int kInstall = IDC_INSTALL, kUninstall = IDC_UNINSTALL;

// clang-format off
const KeepCase kKeepCases[] = {
    {"SoundPackageAbsent", {{"Sound\\sound.cfg", kOwnSound}}, false, {}, kInstall, 0, 0, ""},
    {"NoOwnSoundConfig", {{"Sound\\engine.wav", "RIFF"}}, true, {}, kInstall, 0, 0, ""},
    {"KeptSoundCopyAlreadyThere",
     {{"Sound\\sound.cfg", kOwnSound}, {"Sound\\sound.cfg_ORIGINAL", "earlier"}}, true, {},
     kInstall, 0, 0, ""},
    {"NoPanelConfig", {}, false, {"Panel\\Panel.cfg"}, kInstall, 0, 0,
     "Unable to found original \"Panel.cfg\" file !!!" + kNotModified},
    {"KeptPanelConfigLeftOver", {{"Panel\\Panel.cfg_ORIGINAL", "x"}}, false, {}, kInstall, 0, 0,
     "Unable to rename original \"Panel.cfg\" file !!!" + kNotModified},
    {"AliasCannotBeCreated", {}, false, {}, kInstall, 1, 0,
     "Unable to create new \"Panel.cfg\" file !!!" + kNotModified},
    {"SectionBeforeGeneral", {{"aircraft.cfg", fltsim("md11") + "[Views]\n" + kGeneralSection}},
     false, {}, kInstall, 0, 0, kGenerationFailed + "In original configuration file, [General] "
     "section DO\nNOT follow immediately the last [Fltsim.x] section." + kNotModified},
    {"NewConfigurationWriteFails", {}, false, {}, kInstall, 0, 2, // after the alias's one write
     kGenerationFailed + "A system failure occur during writing operations." + kNotModified},
    // Uninstall names the first missing file of the three it checks.
    {"UninstallAllThreeMissing", {}, false,
     {"aircraft.cfg_ORIGINAL", "VORAZ11e.air", "Panel\\Panel.cfg_ORIGINAL"}, kUninstall, 0, 0,
     "Original \"aircraft.cfg\"" + kMissing},
    {"UninstallFlightDynamicsBeforeKeptPanel", {}, false,
     {"VORAZ11e.air", "Panel\\Panel.cfg_ORIGINAL"}, kUninstall, 0, 0, "Original AIR" + kMissing},
    {"UninstallKeptPanel", {}, false, {"Panel\\Panel.cfg_ORIGINAL"}, kUninstall, 0, 0,
     "Original \"Panel.cfg\"" + kMissing},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(SoundsAndRefusals, KeepTest, ::testing::ValuesIn(kKeepCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
