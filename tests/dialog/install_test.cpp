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

struct FamilyCase {
    const AircraftModel* model;
    std::vector<int> clicks; // after the choice: options changed, the layout picked
    const char* token;       // of the layout installed, or null when the load editor is left out
    const char* missing;     // a resource taken away, whose copy then does not take place
    LineEnds lineEnds;       // of the aircraft's own aircraft.cfg
};

// Every file an Install of any layout or product version may have added: all of them are in
// the folder from the start, and Install overwrites some without keeping a copy.
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
    const auto clicked = [&](int id) { return std::ranges::count(c.clicks, id) > 0; };
    layOutAircraft(*c.model, c.lineEnds);
    aircraft().writeFile("SOUND\\Sound.cfg", kOwnSound);
    for (const char* name : kAddedFiles) {
        aircraft().writeFile(name, "left by an earlier install");
    }
    if (clicked(IDC_ENGINE_SOUNDS)) {
        addSoundFolder();
    }
    if (*c.missing != '\0') {
        ASSERT_TRUE(std::filesystem::remove(startFolder() + "/" + c.missing));
    }
    FileTree before = aircraft().tree();
    chooseAircraft();
    const std::string identification = statusText();
    for (int id : c.clicks) {
        click(id);
    }
    std::size_t mark = noticeCount();
    click(IDC_INSTALL);

    FileTree expected = before;
    const auto copied = [&](const std::string& name, const std::string& resource) {
        if (resource != c.missing) {
            expected[name] = resourceBytes(resource);
        }
    };
    const std::string suffix = c.model->panelSuffix;
    expected["Panel/Panel.cfg"] = "[fltsim]\r\nalias=ZRK MD-11 panel\\panel." + suffix + "\r\n";
    expected["Panel/Panel.cfg_ORIGINAL"] = before["Panel/Panel.cfg"];
    const char* adapted = suffix == "crvn"   ? " adapted to Corvane 3d model"
                          : suffix == "ovld" ? " adapted to Overland 3d model"
                                             : "";
    expected["aircraft.cfg"] =
        withCrLf("// ZRK tuning of iFDG flight dynamic model" + std::string(adapted) +
                 "\n// Version 1.91 / February 2005\n\n" + configHead("MD-11_zrk")) +
        tuningSectionsOnDisk();
    expected["aircraft.cfg_ORIGINAL"] = before["aircraft.cfg"];
    copied("MD-11_zrk.air", "tuning_res/MD-11_zrk.air");
    if (clicked(IDC_ENGINE_SOUNDS)) {
        expected.erase("SOUND/Sound.cfg");
        expected["SOUND/sound.cfg_ORIGINAL"] = kOwnSound;
        copied("SOUND/sound.cfg", "tuning_res/sound.cfg");
    }
    if (c.token != nullptr) {
        const std::string token = c.token;
        copied("Trimdesk.exe", "trimdesk_res/Trimdesk.exe");
        copied("Trimdesk.ini", "trimdesk_res/Trimdesk-" + token + ".ini");
        copied("TD-MD11-" + token + ".ini", "trimdesk_res/TD-MD11-" + token + ".ini");
        copied("TD-MD11-" + token + ".bmp", "trimdesk_res/TD-MD11-" + token + ".bmp");
    }
    EXPECT_EQ(aircraft().tree(), expected);
    // The brakes box counts as it stands when Install is clicked.
    EXPECT_NE(expected["aircraft.cfg"].find(clicked(IDC_REALISTIC_BRAKES)
                                                ? "toe_brakes_scale=0.671407"
                                                : "toe_brakes_scale=0.335704"),
              std::string::npos);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    expectOnlyNotice(mark);
    expectCommandControls(false);

    chooseAircraft();
    ASSERT_EQ(statusText(), kAlreadyInstalled);
    mark = noticeCount();
    click(IDC_UNINSTALL);
    for (const char* name : kAddedFiles) {
        before.erase(name);
    }
    EXPECT_EQ(aircraft().tree(), before);
    EXPECT_EQ(statusText(), kAlreadyInstalled + "Panel uninstalled successfully.");
    expectOnlyNotice(mark);
    expectCommandControls(true);
    chooseAircraft(true);
    EXPECT_EQ(statusText(), identification);
}

INSTANTIATE_TEST_SUITE_P(
    Families, InstallFamilyTest,
    ::testing::Values(
        FamilyCase{&kCorvane, {IDC_ENGINE_SOUNDS, IDC_PAX_2_CLASSES}, "PAX-2C", "", LineEnds::crlf},
        FamilyCase{&kOverland,
                   {IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_PAX_1_CLASS},
                   "PAX-1C",
                   "trimdesk_res/TD-MD11-PAX-1C.bmp",
                   LineEnds::lf},
        FamilyCase{&kIfdg10, {IDC_PAX_3_CLASSES}, "PAX-3C", "", LineEnds::crlf},
        FamilyCase{&kIfdg15,
                   {IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK},
                   nullptr,
                   "tuning_res/MD-11_zrk.air",
                   LineEnds::lf},
        FamilyCase{&kIfdgUnknown, {IDC_REALISTIC_BRAKES}, "PAX-3C", "", LineEnds::crlf},
        FamilyCase{&kIfdgCombi, {IDC_ENGINE_SOUNDS}, "CBI-2C", "", LineEnds::crlf},
        FamilyCase{&kIfdgCombiPw,
                   {IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_COMBI_1_CLASS},
                   "CBI-1C",
                   "",
                   LineEnds::crlf},
        FamilyCase{&kIfdgCargo, {}, "CARGO", "", LineEnds::crlf}),
    [](const auto& p) { return std::string(p.param.model->name); });

// Where the sound step must leave the aircraft's Sound folder as it is.
struct SoundCase {
    const char* name;
    bool packagePresent;
    bool boxChecked;
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
    setCheckState(dialog(), IDC_ENGINE_SOUNDS, c.boxChecked ? BST_CHECKED : BST_UNCHECKED);
    const std::string identification = statusText();
    click(IDC_INSTALL);
    EXPECT_EQ(snapshotTree(aircraft().nativePath("Sound")), c.own);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
}

INSTANTIATE_TEST_SUITE_P(
    Situations, InstallSoundTest,
    ::testing::Values(SoundCase{"PackageAbsent", false, true, {{"sound.cfg", kOwnSound}}},
                      SoundCase{"BoxUnchecked", true, false, {{"sound.cfg", kOwnSound}}},
                      SoundCase{"NoOwnSoundConfig", true, true, {{"engine.wav", "RIFF"}}},
                      SoundCase{"KeptCopyAlreadyThere",
                                true,
                                true,
                                {{"sound.cfg", kOwnSound},
                                 {"sound.cfg_ORIGINAL", "kept by an earlier install"}}}),
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
    const std::size_t mark = noticeCount();
    {
        FailingFileOps failing;
        failing.failOpenNumber(c.failOpen);
        failing.failWriteNumber(c.failWrite);
        click(IDC_INSTALL);
    }
    EXPECT_EQ(aircraft().tree(), before);
    expectOnlyNotice(mark, c.message);
    EXPECT_EQ(statusText(), identification);
    expectCommandControls(false);
}

INSTANTIATE_TEST_SUITE_P(
    PanelAndConfigurationStage, InstallFailureTest,
    ::testing::Values(
        FailureCase{
            "NoPanelConfig",
            [](AircraftFolder& a) { std::filesystem::remove(a.nativePath("Panel\\Panel.cfg")); }, 0,
            0, "Unable to found original \"Panel.cfg\" file !!!" + kNotModified},
        FailureCase{"KeptPanelConfigLeftOver",
                    [](AircraftFolder& a) { a.writeFile("Panel\\Panel.cfg_ORIGINAL", "earlier"); },
                    0, 0, "Unable to rename original \"Panel.cfg\" file !!!" + kNotModified},
        FailureCase{"AliasCannotBeCreated", nullptr, 1, 0,
                    "Unable to create new \"Panel.cfg\" file !!!" + kNotModified},
        FailureCase{"SectionBeforeGeneral",
                    [](AircraftFolder& a) {
                        std::string config = a.readFile("aircraft.cfg");
                        a.writeFile("aircraft.cfg",
                                    config.insert(config.find("[General]"), "[Views]\r\n\r\n"));
                    },
                    0, 0,
                    kGenerationFailed +
                        "In original configuration file, [General] section DO\nNOT follow "
                        "immediately the last [Fltsim.x] section." +
                        kNotModified},
        FailureCase{"ConfigCannotBeOpened", nullptr, 2, 0, kGenerationFailed + kNotModified},
        FailureCase{"WriteFailsWhileCopying", nullptr, 0, 6,
                    kGenerationFailed + "A system failure occur during writing operations." +
                        kNotModified}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
