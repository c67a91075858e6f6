// "Install" on real aircraft folders: each family installed and then uninstalled back to the
// folder it was, byte for byte; the sound step where it must change nothing; every failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/config_text.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/install_fixture.h"

namespace {

constexpr int kBrakes = IDC_REALISTIC_BRAKES;
constexpr int kSounds = IDC_ENGINE_SOUNDS;

struct FamilyCase {
    const AircraftModel* model;
    std::vector<int> clicks; // after the choice; brakes and load editor start checked, sounds not
    std::string token;       // of the layout installed, or empty when the load editor is left out
    std::string missing;     // a resource taken away, whose copy then does not take place
};

// Every file an Install of any layout or product version may add; all are there from the start.
const char* const kAddedFiles[] = {
    "VORAZ11e.air",       "MD-11_zrk.air",      "TD-MD11-CARGO.bmp",  "TD-MD11-CARGO.ini",
    "TD-MD11-CBI-1C.bmp", "TD-MD11-CBI-1C.ini", "TD-MD11-CBI-2C.bmp", "TD-MD11-CBI-2C.ini",
    "TD-MD11-PAX-1C.bmp", "TD-MD11-PAX-1C.ini", "TD-MD11-PAX-2C.bmp", "TD-MD11-PAX-2C.ini",
    "TD-MD11-PAX-3C.bmp", "TD-MD11-PAX-3C.ini", "Trimdesk.exe",       "Trimdesk.ini"};
const std::string kOwnSound = "[own sounds]\r\nengine=1\r\n";

class InstallFamilyTest : public InstallDialogTest,
                          public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(InstallFamilyTest, InstallsAndUninstallGivesTheFolderBack) {
    const FamilyCase& c = GetParam();
    layOutAircraft(*c.model);
    aircraft().writeFile("SOUND\\Sound.cfg", kOwnSound);
    for (const char* name : kAddedFiles) {
        aircraft().writeFile(name, "left by an earlier install");
    }
    addSoundFolder();
    if (!c.missing.empty()) {
        ASSERT_TRUE(std::filesystem::remove(startFolder() + "/" + c.missing));
    }
    FileTree before = aircraft().tree();
    chooseAircraft();
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
    const std::string suffix = c.model->panelSuffix;
    const char* adapted = suffix == "crvn"   ? " adapted to Corvane 3d model"
                          : suffix == "ovld" ? " adapted to Overland 3d model"
                                             : "";
    expected["Panel/Panel.cfg"] = "[fltsim]\r\nalias=ZRK MD-11 panel\\panel." + suffix + "\r\n";
    expected["Panel/Panel.cfg_ORIGINAL"] = before["Panel/Panel.cfg"];
    expected["aircraft.cfg"] =
        withCrLf("// ZRK tuning of iFDG flight dynamic model" + std::string(adapted) +
                 "\n// Version 1.91 / February 2005\n\n" + configHead("MD-11_zrk")) +
        tuningSectionsOnDisk();
    expected["aircraft.cfg_ORIGINAL"] = before["aircraft.cfg"];
    copied("MD-11_zrk.air", "tuning_res/");
    if (std::ranges::count(c.clicks, kSounds) != 0) {
        expected.erase("SOUND/Sound.cfg");
        expected["SOUND/sound.cfg_ORIGINAL"] = kOwnSound;
        expected["SOUND/sound.cfg"] = resourceBytes("tuning_res/sound.cfg");
    }
    if (!c.token.empty()) {
        copied("Trimdesk.exe", "trimdesk_res/");
        expected["Trimdesk.ini"] = resourceBytes("trimdesk_res/Trimdesk-" + c.token + ".ini");
        copied("TD-MD11-" + c.token + ".ini", "trimdesk_res/");
        copied("TD-MD11-" + c.token + ".bmp", "trimdesk_res/");
    }
    EXPECT_EQ(aircraft().tree(), expected);
    // The brakes box counts as it stands when Install is clicked.
    EXPECT_NE(expected["aircraft.cfg"].find(std::ranges::count(c.clicks, kBrakes) != 0
                                                ? "toe_brakes_scale=0.671407"
                                                : "toe_brakes_scale=0.335704"),
              std::string::npos);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    expectOnlyNotice();
    expectCommandControls(false);

    chooseAircraft();
    ASSERT_EQ(statusText(), kAlreadyInstalled);
    click(IDC_UNINSTALL);
    for (const char* name : kAddedFiles) {
        before.erase(name);
    }
    EXPECT_EQ(aircraft().tree(), before);
    EXPECT_EQ(statusText(), kAlreadyInstalled + "Panel uninstalled successfully.");
    expectOnlyNotice();
    expectCommandControls(true);
}

const FamilyCase kFamilies[] = {
    {&kCorvane, {kSounds, IDC_PAX_2_CLASSES}, "PAX-2C", ""},
    {&kOverland, {kBrakes, IDC_PAX_1_CLASS}, "PAX-1C", "trimdesk_res/TD-MD11-PAX-1C.bmp"},
    {&kIfdg10, {kSounds, IDC_PAX_3_CLASSES}, "PAX-3C", ""},
    {&kIfdgOther, {kBrakes, kSounds, IDC_TRIMDESK}, "", "tuning_res/MD-11_zrk.air"},
    {&kCombi, {kSounds}, "CBI-2C", ""},
    {&kCombiPw, {kBrakes, kSounds, IDC_COMBI_1_CLASS}, "CBI-1C", ""},
    {&kCargo, {}, "CARGO", ""},
};

INSTANTIATE_TEST_SUITE_P(Families, InstallFamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& p) { return std::string(p.param.model->name); });

// The sound step where it must leave the aircraft's Sound folder alone though the box is checked.
struct SoundCase {
    const char* name;
    bool packagePresent;
    FileTree own; // what the Sound folder holds
};

class InstallSoundTest : public InstallDialogTest,
                         public ::testing::WithParamInterface<SoundCase> {};

TEST_P(InstallSoundTest, LeavesTheAircraftsSoundsAlone) {
    const SoundCase& c = GetParam();
    layOutAircraft(kCorvane);
    for (const auto& [name, bytes] : c.own) {
        aircraft().writeFile("Sound\\" + name, bytes);
    }
    if (c.packagePresent) {
        addSoundFolder();
    }
    chooseAircraft();
    // Without the package the box is disabled: only a program could check it.
    setCheckState(dialog(), kSounds, BST_CHECKED);
    click(IDC_INSTALL);
    EXPECT_EQ(snapshotTree(aircraft().nativePath("Sound")), c.own);
    expectOnlyNotice(); // success all the same
}

const SoundCase kSoundCases[] = {
    {"PackageAbsent", false, {{"sound.cfg", kOwnSound}}},
    {"NoOwnSoundConfig", true, {{"engine.wav", "RIFF"}}},
    {"KeptCopyAlreadyThere", true, {{"sound.cfg", kOwnSound}, {"sound.cfg_ORIGINAL", "earlier"}}},
};

INSTANTIATE_TEST_SUITE_P(Situations, InstallSoundTest, ::testing::ValuesIn(kSoundCases),
                         [](const auto& p) { return std::string(p.param.name); });

// Failures before anything is copied: one box, the folder as it was, the options disabled.
struct FailureCase {
    const char* name;
    void (*arrange)(AircraftFolder& aircraft);
    unsigned failOpen;  // counted from the click: the alias, aircraft.cfg, the new one
    unsigned failWrite; // the alias takes the first two writes
    std::string message;
};

const std::string kNotModified = "\n\nPanel is not installed and your\naircraft was not modified.";
const std::string kGenerationFailed = "Failure of new \"Aircraft.cfg\" file generation !!!\n\n";

class InstallFailureTest : public InstallDialogTest,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(InstallFailureTest, ShowsTheReasonAndLeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    layOutAircraft(kCorvane);
    if (c.arrange != nullptr) {
        c.arrange(aircraft());
    }
    chooseAircraft();
    const std::string identification = statusText();
    const FileTree before = aircraft().tree();
    {
        FailingFileOps failing;
        failing.failOpenNumber(c.failOpen);
        failing.failWriteNumber(c.failWrite);
        click(IDC_INSTALL);
    }
    EXPECT_EQ(aircraft().tree(), before);
    expectOnlyNotice(c.message);
    EXPECT_EQ(statusText(), identification);
    expectCommandControls(false);
}

const FailureCase kFailures[] = {
    {"NoPanelConfig",
     [](AircraftFolder& a) { std::filesystem::remove(a.nativePath("Panel\\Panel.cfg")); }, 0, 0,
     "Unable to found original \"Panel.cfg\" file !!!" + kNotModified},
    {"KeptPanelConfigLeftOver",
     [](AircraftFolder& a) { a.writeFile("Panel\\Panel.cfg_ORIGINAL", "x"); }, 0, 0,
     "Unable to rename original \"Panel.cfg\" file !!!" + kNotModified},
    {"AliasCannotBeCreated", nullptr, 1, 0,
     "Unable to create new \"Panel.cfg\" file !!!" + kNotModified},
    {"SectionBeforeGeneral",
     [](AircraftFolder& a) {
         a.writeConfig(fltsim("md11", "", "MD-11") + "[Views]\n" + kGeneralSection);
     },
     0, 0,
     kGenerationFailed +
         "In original configuration file, [General] section DO\nNOT follow "
         "immediately the last [Fltsim.x] section." +
         kNotModified},
    {"WriteFailsWhileCopying", nullptr, 0, 6,
     kGenerationFailed + "A system failure occur during writing operations." + kNotModified},
};

INSTANTIATE_TEST_SUITE_P(PanelAndConfigurationStage, InstallFailureTest,
                         ::testing::ValuesIn(kFailures),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
