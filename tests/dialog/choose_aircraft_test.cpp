// "Choose MD-11 aircraft" and "Choose same" on real aircraft folders: each identification outcome
// with its status text and controls, the request, cancel, refusal and the sound folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/result_codes.h"
#include "tests/support/main_dialog_fixture.h"

namespace fs = std::filesystem;
using emulated::InputEvent;
using emulated::InputKind;

namespace {

const std::string kNotSupported = "This Aircraft is not supported.\n";
const std::string kInstalled = "ZRK MD-11 panel already installed.\n";
const std::string kSingle = " MD-11 model identified.\nSingle available configuration correspond "
                            "to:\nMD-11 PAX, with ";
const std::string kCorvane = "Corvane" + kSingle + "General Electric CF6-80C2D1F engines\n";
const std::string kOverland = "Overland" + kSingle + "Pratt && Whitney PW4462 engines\n";
const std::string kV10 = "Version 1.0 identified.", kV15 = "Version 1.5 identified.";
const std::string kPax = "MD-11", kCombi = "MD-11C \"COMBI\"", kCargo = "MD-11F \"CARGO\"";
const std::string kTypeDefault = "MD-11 by default (unable to identify)";
const std::string kGe = "General Electric CF6-80C2D1F\n", kPw = "Pratt && Whitney PW4462\n";
const std::string kEnginesDefault = "GE CF6-80C2D1F by default (unable to identify)\n";

std::string ifdg(const std::string& version, const std::string& type, const std::string& engines) {
    return "iFDG MD-11 model identified.\n" + version + "\nAircraft type: " + type +
           "\nMotorization: " + engines;
}

// Manual settings input, a letter each: n, s navigation and strobe lights on MDL, c the commands
// box, o OK, e Escape, x the close box, r Enter.
void queueManualInputs(ScriptedFrontEnd& frontEnd, const std::string& letters) {
    const InputEvent inputs[] = {
        InputEvent::click(IDC_NAV_LIGHTS_MDL), InputEvent::click(IDC_STROBE_LIGHTS_MDL),
        InputEvent::click(IDC_FOLD_AND_HOOK),  InputEvent::click(IDC_MANSET_OK),
        InputEvent::key(InputKind::escape),    InputEvent::key(InputKind::closeBox),
        InputEvent::key(InputKind::enter)};
    for (char letter : letters) {
        frontEnd.queueInput("ManSetDialog", inputs[std::string("nscoexr").find(letter)]);
    }
}

struct Case {
    const char* sim;
    std::uintmax_t airSize;              // of sim.AIR; 0: no such file
    std::int32_t kind, variant, engines; // afterwards; 3 and 2 are the earlier type and engines
    std::string status;
    const char* modelFile = "MD11PG.mdl";
    std::uintmax_t modelSize = 3153900; // version 1.5; 5000000: unidentified
    const char* manualInputs = "";      // each one is taken, or the fixture fails the test
    std::int32_t wingLightsMode = 2, foldAndHookCommands = 0; // earlier values, kept unless asked
};

const Case kCorvaneCase{"md11", 10015, modelCorvane, 3, 2, kCorvane};

// A PAX General Electric aircraft of unidentified version, through the manual settings dialog.
Case manual(const std::string& settings, const char* inputs, int wing, int fold) {
    const std::string status = ifdg("Unknow version (manual settings: " + settings, kPax, kGe);
    return {"MD-11", 8336, modelIfdg, 1, 1, status, "MD11PG.mdl", 5000000, inputs, wing, fold};
}

class ChooseAircraft : public MainDialogTest {
protected:
    // As an earlier choice may leave it: check marks moved, a CARGO P&W aircraft; sounds present.
    void SetUp() override {
        MainDialogTest::SetUp();
        addSoundFolder();
        setCheckState(dialog(), IDC_REALISTIC_BRAKES, BST_UNCHECKED);
        setCheckState(dialog(), IDC_ENGINE_SOUNDS, BST_CHECKED);
        setCheckState(dialog(), IDC_PAX_3_CLASSES, BST_UNCHECKED);
        setCheckState(dialog(), IDC_CARGO, BST_CHECKED);
        installerState.aircraftVariant = variantCargo;
        installerState.engineVariant = enginesPrattWhitney;
        installerState.wingLightsMode = wingStrobesFromEffects;
    }
    void chooseAircraft(const Case& c) {
        aircraft.writeConfig(fltsim(c.sim) + kGeneralSection);
        if (c.airSize != 0) {
            aircraft.addFile(std::string(c.sim) + ".AIR", c.airSize);
        }
        aircraft.addFile(std::string("model\\") + c.modelFile, c.modelSize);
        queueManualInputs(frontEnd(), c.manualInputs);
        chooseAircraftFile();
    }
    fs::path folder() const { return fs::path(aircraft.nativePath("aircraft.cfg")).parent_path(); }
};

class Identification : public ChooseAircraft, public testing::WithParamInterface<Case> {};

TEST_P(Identification, ShowsTheModelAndOffersWhatFits) {
    const Case& c = GetParam();
    chooseAircraft(c);

    EXPECT_EQ(statusText(), c.status);
    const InstallerState& s = installerState;
    EXPECT_EQ(std::tuple(s.modelKind, s.aircraftVariant, s.engineVariant, s.wingLightsMode,
                         s.foldAndHookCommands),
              std::tuple(c.kind, c.variant, c.engines, c.wingLightsMode, c.foldAndHookCommands));
    // An installable outcome enables the layouts of its type and checks the first.
    const std::vector<int> allLayouts[] = {{IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS},
                                           {IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS},
                                           {IDC_CARGO}};
    std::vector<int> offered, layouts;
    if (c.kind == modelAlreadyInstalled) {
        offered = {IDC_UNINSTALL};
    } else if (c.kind != modelNotSupported) {
        layouts = allLayouts[(c.kind == modelIfdg ? c.variant : variantPax) - 1];
        offered = {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK};
        offered.insert(offered.end(), layouts.begin(), layouts.end());
    }
    EXPECT_EQ(options(), offered);
    int layout = layouts.empty() ? IDC_CARGO : layouts[0]; // check marks are otherwise kept
    EXPECT_EQ(options(true), (std::vector<int>{IDC_ENGINE_SOUNDS, IDC_TRIMDESK, layout}));
    // The manual settings dialog only when asked, owned by the main dialog, with its beep.
    bool asked = *c.manualInputs != 0;
    EXPECT_EQ(frontEnd().dialogOwners.back(), asked ? dialog() : nullptr);
    EXPECT_EQ(frontEnd().notices,
              std::vector(asked ? 1u : 0u, ScriptedFrontEnd::beepOf(MB_ICONEXCLAMATION)));
    if (asked) { // "Choose same" does not ask for the file; manual settings restart from defaults
        showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);
        queueManualInputs(frontEnd(), "o");
        click(IDC_CHOOSE_SAME);
        EXPECT_EQ(statusText(), manual("FX=nav+strobe +commands)", "o", 3, 1).status);
        EXPECT_EQ(frontEnd().fileRequests.size(), 1u);
    }
}

// Type and engines come from letters 5 and 6 of the model file's name, in either case. In the
// manual settings dialog Escape and the missing close box end nothing: only OK, or Enter on it.
INSTANTIATE_TEST_SUITE_P(
    Outcomes, Identification,
    testing::Values(kCorvaneCase, Case{"MD11", 8756, modelOverland, 3, 2, kOverland},
                    Case{"md11", 10016, modelNotSupported, 3, 2, kNotSupported},
                    Case{"md11", 8336, modelNotSupported, 3, 2, kNotSupported},
                    Case{"md11x", 10015, modelNotSupported, 3, 2, kNotSupported},
                    Case{"MD-11", 8337, modelNotSupported, 3, 2, kNotSupported},
                    Case{"MD-11", 0, modelNotSupported, 3, 2, kNotSupported},
                    Case{"md-11_ZRK", 0, modelAlreadyInstalled, 3, 2, kInstalled},
                    Case{"voraz11E", 0, modelAlreadyInstalled, 3, 2, kInstalled},
                    Case{"md-11", 8336, modelIfdg, 1, 1, ifdg(kV10, kPax, kGe), "MD11PG.mdl",
                         4127528},
                    Case{"MD-11", 8336, modelIfdg, 1, 1, ifdg(kV15, kPax, kGe)},
                    Case{"MD-11", 8336, modelIfdg, 2, 2, ifdg(kV15, kCombi, kPw), "md11cp.mdl"},
                    Case{"MD-11", 8336, modelIfdg, 3, 1, ifdg(kV15, kCargo, kGe), "md11fg.mdl"},
                    Case{"MD-11", 8336, modelIfdg, 1, 1, ifdg(kV15, kTypeDefault, kEnginesDefault),
                         "MD11XY.mdl"},
                    manual("FX=nav+strobe +commands)", "o", 3, 1),
                    manual("MDL=nav+strobe)", "nsco", 0, 0),
                    manual("FX=strobe MDL=nav +commands)", "enxeo", 2, 1),
                    manual("FX=nav MDL=strobe)", "scr", 1, 0)));

// The type check takes the first entry named model*, whatever model= names: here one without .mdl.
TEST_F(ChooseAircraft, TypeAndEnginesComeFromTheFirstModelEntry) {
    aircraft.writeConfig(fltsim("MD-11", "b") + kGeneralSection);
    aircraft.addFile("MD-11.air", 8336);
    aircraft.addFile("model.b\\MD11FP.mdl", 3153900);
    aircraft.addFile("Model.a\\readme.txt", 1);
    chooseAircraftFile();
    EXPECT_EQ(statusText(), ifdg(kV15, kTypeDefault, kEnginesDefault));
}

// After a success, a cancel or a refusal (with its message) leaves the reset state: statics empty
// but for the refused file's folder name, nothing enabled, check marks kept.
TEST_F(ChooseAircraft, CancelAndRefusalLeaveTheResetState) {
    for (const ResultCode code : {ResultCode{0}, ResultCode{modelFileMissing}}) {
        SCOPED_TRACE(code);
        chooseAircraft(kCorvaneCase);
        showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);
        if (code == modelFileMissing) {
            aircraft.writeConfig(fltsim("MD-11", "gone") + kGeneralSection);
        }
        chooseAircraftFile(code == 0 ? std::nullopt : std::optional<std::string>(""));
        EXPECT_EQ(control(IDC_FOLDER_NAME).text, code == 0 ? "" : folder().filename().string());
        EXPECT_EQ(statusText(), "");
        EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
        EXPECT_EQ(options(), std::vector<int>{});
        EXPECT_EQ(options(true),
                  (std::vector<int>{IDC_ENGINE_SOUNDS, IDC_TRIMDESK, IDC_PAX_3_CLASSES}));
        EXPECT_STREQ(installerState.previousCfgPath, aircraft.cfgPath().c_str());
        EXPECT_EQ(installerState.fileChosen, code == 0 ? 0 : 1);
        EXPECT_EQ(installerState.reuseLastChoice, 0);
        if (code != 0) {
            char message[kMessageCapacity];
            composeScanMessage(code, message);
            expectOnlyNotice(message);
        }
    }
    EXPECT_EQ(frontEnd().notices.size(), 1u); // the refusal's
}

// 1002 names the file's folder, if any. The sound folder is looked for at each choice beside the
// current directory (which the file dialog may move), in any letter case.
TEST_F(ChooseAircraft, AsksForTheFileNamesItsFolderAndLooksForTheSoundFolder) {
    chooseAircraft(kCorvaneCase);
    EXPECT_EQ(control(IDC_FOLDER_NAME).text, folder().filename().string());
    ScopedCurrentDirectory inFolder(folder());
    chooseAircraftFile("aircraft.cfg");
    EXPECT_EQ(control(IDC_FOLDER_NAME).text, "");
    EXPECT_TRUE(control(IDC_INSTALL).enabled);
    const fs::path elsewhere = fs::path(startFolder()).parent_path() / "elsewhere";
    fs::create_directories(elsewhere / "deeper");
    ScopedCurrentDirectory moved(elsewhere / "deeper");
    chooseAircraftFile();
    EXPECT_FALSE(control(IDC_ENGINE_SOUNDS).enabled);
    fs::create_directories(elsewhere / "zrk md-11 SOUND");
    chooseAircraftFile();
    EXPECT_TRUE(control(IDC_ENGINE_SOUNDS).enabled);
    EXPECT_EQ(installerState.soundPackagePresent, 1);

    ASSERT_EQ(frontEnd().fileRequests.size(), 4u); // asked each time as the first time
    const ScriptedFrontEnd::FileRequest& request = frontEnd().fileRequests.back();
    EXPECT_EQ(request.title, "Please, search your FS2004 MD-11 aircraft");
    EXPECT_EQ(request.flags, 0x1804u);
    EXPECT_EQ(request.proposedName, "aircraft.cfg");
    EXPECT_EQ(request.owner, dialog());
}

} // namespace
