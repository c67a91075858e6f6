// The engine-sound step of "Install": honoured only with the sound package beside the current
// directory and the box checked, and only when the aircraft's own sound.cfg can be kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

#include "tests/support/install_fixture.h"

namespace {

const std::string kOwnSound = "[own sounds]\r\nengine=1\r\n";
const std::string kEarlierKept = "[kept by an earlier install]\r\n";
const std::string kProductSound = resourceBytes("tuning_res/sound.cfg");

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The aircraft's sound folder, under any letter case, with what it holds.
FileTree soundEntries(const FileTree& tree) {
    FileTree sound;
    for (const auto& [name, bytes] : tree) {
        if (lowerCase(name.substr(0, name.find('/'))) == "sound") {
            sound[name] = bytes;
        }
    }
    return sound;
}

struct SoundCase {
    const char* name;
    bool packagePresent;
    bool boxChecked;
    FileTree own;      // the aircraft's sound files before Install
    FileTree expected; // after
};

void PrintTo(const SoundCase& c, std::ostream* out) {
    *out << c.name;
}

class InstallSoundTest : public InstallDialogTest,
                         public ::testing::WithParamInterface<SoundCase> {};

TEST_P(InstallSoundTest, ChangesOnlyWhatTheSituationAllows) {
    const SoundCase& c = GetParam();
    layOutAircraft(kCorvane);
    for (const auto& [name, bytes] : c.own) {
        if (!name.ends_with("/")) {
            aircraft().writeFile(toCorePath(name), bytes);
        }
    }
    if (c.packagePresent) {
        addSoundFolder();
    }
    chooseAircraft();
    ASSERT_EQ(control(IDC_ENGINE_SOUNDS).enabled, c.packagePresent);
    if (c.boxChecked && c.packagePresent) {
        emulated::clickControl(dialog(), IDC_ENGINE_SOUNDS);
    } else if (c.boxChecked) {
        // Only a program could check it while disabled; Install must not read it anyway.
        setCheckState(dialog(), IDC_ENGINE_SOUNDS, BST_CHECKED);
    }
    ASSERT_EQ(getCheckState(dialog(), IDC_ENGINE_SOUNDS), c.boxChecked ? BST_CHECKED : 0u);
    const std::string identification = statusText();

    clickInstall();

    EXPECT_EQ(soundEntries(aircraft().tree()), c.expected);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Situations, InstallSoundTest,
    ::testing::Values(SoundCase{"PackageAbsentBoxChecked",
                                false,
                                true,
                                {{"Sound/", ""}, {"Sound/sound.cfg", kOwnSound}},
                                {{"Sound/", ""}, {"Sound/sound.cfg", kOwnSound}}},
                      SoundCase{"PackagePresentBoxUnchecked",
                                true,
                                false,
                                {{"Sound/", ""}, {"Sound/sound.cfg", kOwnSound}},
                                {{"Sound/", ""}, {"Sound/sound.cfg", kOwnSound}}},
                      SoundCase{"OwnSoundKeptAndReplaced",
                                true,
                                true,
                                {{"Sound/", ""}, {"Sound/sound.cfg", kOwnSound}},
                                {{"Sound/", ""},
                                 {"Sound/sound.cfg", kProductSound},
                                 {"Sound/sound.cfg_ORIGINAL", kOwnSound}}},
                      SoundCase{"NoOwnSoundConfig",
                                true,
                                true,
                                {{"Sound/", ""}, {"Sound/engine.wav", "RIFF"}},
                                {{"Sound/", ""}, {"Sound/engine.wav", "RIFF"}}},
                      SoundCase{"NoSoundFolder", true, true, {}, {}},
                      SoundCase{"KeptCopyAlreadyThere",
                                true,
                                true,
                                {{"Sound/", ""},
                                 {"Sound/sound.cfg", kOwnSound},
                                 {"Sound/sound.cfg_ORIGINAL", kEarlierKept}},
                                {{"Sound/", ""},
                                 {"Sound/sound.cfg", kOwnSound},
                                 {"Sound/sound.cfg_ORIGINAL", kEarlierKept}}},
                      SoundCase{"FolderInCapitals",
                                true,
                                true,
                                {{"SOUND/", ""}, {"SOUND/sound.cfg", kOwnSound}},
                                {{"SOUND/", ""},
                                 {"SOUND/sound.cfg", kProductSound},
                                 {"SOUND/sound.cfg_ORIGINAL", kOwnSound}}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// Names match without regard to letter case, so Uninstall finds the kept copy that Install
// made in SOUND\ and puts the aircraft's own bytes back there.
TEST_F(InstallDialogTest, SoundFolderInCapitalsComesBackOnUninstall) {
    layOutAircraft(kCorvane);
    aircraft().writeFile("SOUND\\sound.cfg", kOwnSound);
    addSoundFolder();
    const FileTree before = soundEntries(aircraft().tree());
    chooseAircraft();
    emulated::clickControl(dialog(), IDC_ENGINE_SOUNDS);
    clickInstall();
    ASSERT_EQ(aircraft().readFile("SOUND\\sound.cfg_ORIGINAL"), kOwnSound);
    chooseAircraft();

    clickUninstall();

    FileTree restored;
    for (const auto& [name, bytes] : soundEntries(aircraft().tree())) {
        restored[lowerCase(name)] = bytes;
    }
    FileTree expected;
    for (const auto& [name, bytes] : before) {
        expected[lowerCase(name)] = bytes;
    }
    EXPECT_EQ(restored, expected);
    EXPECT_TRUE(aircraft().exists("SOUND")) << "the folder keeps its own name";
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
}

} // namespace
