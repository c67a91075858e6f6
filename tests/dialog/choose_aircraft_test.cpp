// "Choose MD-11 aircraft" around the identification: the file-open request, the folder name,
// refusals, a cancelled choice, the sibling sound folder and "Choose same".
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/installer_state.h"
#include "resources/control_ids.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/main_dialog_fixture.h"

namespace fs = std::filesystem;

namespace {

const std::string kCorvane = "Corvane MD-11 model identified.\nSingle available configuration "
                             "correspond to:\nMD-11 PAX, with General Electric CF6-80C2D1F "
                             "engines\n";
const std::vector<int> kPaxOffer = {IDC_INSTALL,       IDC_REALISTIC_BRAKES, IDC_TRIMDESK,
                                    IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES,    IDC_PAX_1_CLASS};

void writeCorvane(AircraftFolder& folder) {
    folder.writeSingleAircraftConfig("md11");
    folder.addFile("md11.air", 10015);
}

// The aircraft folder as the file system names it, and its own name.
fs::path folderOf(const AircraftFolder& folder) {
    return fs::path(folder.nativePath("aircraft.cfg")).parent_path();
}
std::string folderName(const AircraftFolder& folder) {
    return folderOf(folder).filename().string();
}

class ChooseAircraftTest : public MainDialogTest {
protected:
    AircraftFolder aircraft;
};

TEST_F(ChooseAircraftTest, AsksForTheFileProposingAircraftCfgEachTime) {
    writeCorvane(aircraft);
    chooseAircraftFile(aircraft.cfgPath());
    cancelAircraftChoice();

    ASSERT_EQ(frontEnd().fileRequests().size(), 2u);
    for (const ScriptedFrontEnd::FileRequest& request : frontEnd().fileRequests()) {
        EXPECT_EQ(request.title, "Please, search your FS2004 MD-11 aircraft");
        EXPECT_EQ(request.flags, 0x1804u);
        EXPECT_EQ(request.proposedName, "aircraft.cfg");
        EXPECT_EQ(request.owner, dialog());
    }
}

struct FolderNameCase {
    const char* label;
    fs::path (*currentFolder)(const AircraftFolder& folder); // null: the start folder
    std::string (*chosenPath)(const AircraftFolder& folder);
    std::string (*shownName)(const AircraftFolder& folder);
};

void PrintTo(const FolderNameCase& c, std::ostream* out) {
    *out << c.label;
}

class FolderNameTest : public ChooseAircraftTest,
                       public ::testing::WithParamInterface<FolderNameCase> {};

TEST_P(FolderNameTest, NamesTheFolderThatHoldsTheChosenFile) {
    const FolderNameCase& c = GetParam();
    writeCorvane(aircraft);
    std::optional<ScopedCurrentDirectory> current;
    if (c.currentFolder != nullptr) {
        current.emplace(c.currentFolder(aircraft));
    }

    chooseAircraftFile(c.chosenPath(aircraft));

    EXPECT_EQ(control(IDC_FOLDER_NAME).text, c.shownName(aircraft));
    // The file was found and analysed however it was named.
    EXPECT_EQ(control(IDC_STATUS).text, kCorvane);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderNameTest,
    ::testing::Values(
        FolderNameCase{"FullPath", nullptr, [](const AircraftFolder& f) { return f.cfgPath(); },
                       folderName},
        FolderNameCase{
            "OneBackslash", [](const AircraftFolder& f) { return folderOf(f).parent_path(); },
            [](const AircraftFolder& f) { return folderName(f) + "\\aircraft.cfg"; }, folderName},
        FolderNameCase{"NoBackslash", folderOf,
                       [](const AircraftFolder&) { return std::string("aircraft.cfg"); },
                       [](const AircraftFolder&) { return std::string(); }}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

struct RefusalCase {
    const char* label;
    void (*arrange)(AircraftFolder& folder);
    std::string reason;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.label;
}

class RefusalTest : public ChooseAircraftTest, public ::testing::WithParamInterface<RefusalCase> {};

// After a cargo aircraft was offered for installation, a refused file leaves only its folder
// name: the reset state, with the check marks kept.
TEST_P(RefusalTest, ShowsTheReasonAndLeavesOnlyTheFolderName) {
    AircraftFolder cargo;
    cargo.writeIfdgAircraft("MD11FP.mdl", 3153900);
    chooseAircraftFile(cargo.cfgPath());
    ASSERT_TRUE(control(IDC_CARGO).enabled);
    showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);
    GetParam().arrange(aircraft);

    chooseAircraftFile(aircraft.cfgPath());

    ASSERT_EQ(frontEnd().notices().size(), 1u);
    const ScriptedFrontEnd::Notice& box = frontEnd().notices()[0];
    EXPECT_EQ(box.kind, ScriptedFrontEnd::NoticeKind::messageBox);
    EXPECT_EQ(box.text, "Illegal aircraft configuration !!!\n\n" + GetParam().reason);
    EXPECT_EQ(box.caption, "ERROR from ZRK MD11 Panel installer");
    EXPECT_EQ(box.style, 0x30u);
    EXPECT_EQ(box.owner, dialog());
    EXPECT_EQ(control(IDC_FOLDER_NAME).text, folderName(aircraft));
    EXPECT_EQ(control(IDC_STATUS).text, "");
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    EXPECT_EQ(enabledOptions(), std::vector<int>{});
    EXPECT_EQ(checkedOptions(), (std::vector<int>{IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_CARGO}));
    EXPECT_STREQ(installerState.previousCfgPath, aircraft.cfgPath().c_str());
    EXPECT_EQ(installerState.reuseLastChoice, 0);
}

INSTANTIATE_TEST_SUITE_P(
    ScannerCodes, RefusalTest,
    ::testing::Values(
        RefusalCase{"OwnPanel",
                    [](AircraftFolder& f) {
                        f.writeConfig("[fltsim.0]\nsim=md11\nmodel=\npanel=own\nui_type=MD11\n");
                        f.addFile("md11.air", 10015);
                    },
                    "The configuration file has non empty panel\ndefinition(s) (different "
                    "from\"panel=\").\nThis is not allowed.\n"},
        RefusalCase{"ModelFolderMissing",
                    [](AircraftFolder& f) {
                        f.writeSingleAircraftConfig("MD-11", "gone");
                        f.addFile("MD-11.air", 8336);
                    },
                    "Unable to found a MDL file:\n\nThe configuration file define a\nmodel which "
                    "corresponding model\nfile (.mdl) cannot be found."},
        RefusalCase{"NoAircraftSection", [](AircraftFolder& f) { f.writeConfig(kGeneralSection); },
                    "Premature end of file:\nMean that the configuration file analyse\nencounter "
                    "the end of the file, before to\nfound all the required data sections."}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(ChooseAircraftTest, CancelAfterASuccessLeavesTheResetStateAndThePreviousPath) {
    writeCorvane(aircraft);
    addSoundFolder();
    chooseAircraftFile(aircraft.cfgPath());
    ASSERT_TRUE(control(IDC_ENGINE_SOUNDS).enabled);
    showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);

    cancelAircraftChoice();

    EXPECT_EQ(control(IDC_FOLDER_NAME).text, "");
    EXPECT_EQ(control(IDC_STATUS).text, "");
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    EXPECT_EQ(enabledOptions(), std::vector<int>{});
    EXPECT_EQ(checkedOptions(),
              (std::vector<int>{IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_PAX_3_CLASSES}));
    EXPECT_STREQ(installerState.previousCfgPath, aircraft.cfgPath().c_str());
    EXPECT_EQ(installerState.fileChosen, 0);
    EXPECT_EQ(installerState.reuseLastChoice, 0);
    EXPECT_TRUE(frontEnd().notices().empty());
}

struct SoundCase {
    const char* label;
    const char* sibling;       // created in the start folder's parent; null: none
    const char* currentFolder; // below that parent; null: the start folder
    bool present;
};

void PrintTo(const SoundCase& c, std::ostream* out) {
    *out << c.label;
}

class SoundFolderTest : public ChooseAircraftTest,
                        public ::testing::WithParamInterface<SoundCase> {};

TEST_P(SoundFolderTest, IsLookedForBesideTheCurrentDirectory) {
    const SoundCase& c = GetParam();
    writeCorvane(aircraft);
    if (c.sibling != nullptr) {
        fs::create_directories(besideStartFolder(c.sibling));
    }
    std::optional<ScopedCurrentDirectory> current;
    if (c.currentFolder != nullptr) {
        fs::create_directories(besideStartFolder(c.currentFolder));
        current.emplace(besideStartFolder(c.currentFolder));
    }

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(installerState.soundPackagePresent, c.present ? 1 : 0);
    EXPECT_EQ(control(IDC_ENGINE_SOUNDS).enabled, c.present);
    EXPECT_EQ(control(IDC_STATUS).text, kCorvane);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SoundFolderTest,
    ::testing::Values(
        SoundCase{"Absent", nullptr, nullptr, false},
        SoundCase{"Present", "ZRK MD-11 sound", nullptr, true},
        SoundCase{"PresentInOtherLetterCase", "zrk md-11 SOUND", nullptr, true},
        SoundCase{"OtherName", "ZRK MD-11 sounds", nullptr, false},
        // The start directory does not count, the current one does.
        SoundCase{"BesideTheStartFolderOnly", "ZRK MD-11 sound", "elsewhere/deeper", false},
        SoundCase{"BesideTheCurrentFolder", "elsewhere/ZRK MD-11 sound", "elsewhere/deeper", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(ChooseAircraftTest, SoundFolderIsLookedForAgainAtEachChoice) {
    writeCorvane(aircraft);
    chooseAircraftFile(aircraft.cfgPath());
    EXPECT_FALSE(control(IDC_ENGINE_SOUNDS).enabled);

    addSoundFolder();
    chooseAircraftFile(aircraft.cfgPath());
    EXPECT_TRUE(control(IDC_ENGINE_SOUNDS).enabled);

    fs::remove(besideStartFolder("ZRK MD-11 sound"));
    chooseAircraftFile(aircraft.cfgPath());
    EXPECT_FALSE(control(IDC_ENGINE_SOUNDS).enabled);
    EXPECT_EQ(installerState.soundPackagePresent, 0);
}

struct ChooseSameCase {
    const char* label;
    void (*rewrite)(AircraftFolder& folder); // what the aircraft became meanwhile
    std::string status;
    std::vector<int> offered;
    std::size_t messageBoxes;
};

void PrintTo(const ChooseSameCase& c, std::ostream* out) {
    *out << c.label;
}

class ChooseSameTest : public ChooseAircraftTest,
                       public ::testing::WithParamInterface<ChooseSameCase> {};

// As after a successful uninstall: the installed aircraft was analysed, its files changed, and
// "Choose same" is shown.
TEST_P(ChooseSameTest, AnalysesThePickedFileAgainWithoutAsking) {
    const ChooseSameCase& c = GetParam();
    aircraft.writeSingleAircraftConfig("MD-11_zrk");
    chooseAircraftFile(aircraft.cfgPath());
    ASSERT_EQ(enabledOptions(), std::vector<int>{IDC_UNINSTALL});
    c.rewrite(aircraft);
    showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);

    EXPECT_EQ(emulated::clickControl(dialog(), IDC_CHOOSE_SAME), 1);

    EXPECT_EQ(frontEnd().fileRequests().size(), 1u);
    EXPECT_EQ(control(IDC_FOLDER_NAME).text, folderName(aircraft));
    EXPECT_EQ(control(IDC_STATUS).text, c.status);
    EXPECT_EQ(enabledOptions(), c.offered);
    EXPECT_EQ(frontEnd().messageBoxes().size(), c.messageBoxes);
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    EXPECT_STREQ(installerState.aircraftCfgPath, aircraft.cfgPath().c_str());
    EXPECT_EQ(installerState.reuseLastChoice, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ChooseSameTest,
    ::testing::Values(
        ChooseSameCase{"Installable", writeCorvane, kCorvane, kPaxOffer, 0},
        ChooseSameCase{"NotSupported",
                       [](AircraftFolder& f) { f.writeSingleAircraftConfig("md11"); },
                       "This Aircraft is not supported.\n",
                       {},
                       0},
        ChooseSameCase{
            "Refused", [](AircraftFolder& f) { f.writeConfig(kGeneralSection); }, "", {}, 1}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

} // namespace
