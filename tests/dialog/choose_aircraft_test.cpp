// "Choose MD-11 aircraft" and "Choose same" on real aircraft folders: each identification outcome
// with its status text and controls, the request, cancel, refusal and the sound folder.
#include <gtest/gtest.h>

#include <tuple>

#include "analysis/result_codes.h"
#include "tests/support/main_dialog_fixture.h"

namespace fs = std::filesystem;
using namespace std::string_literals;
using emulated::InputEvent;
using emulated::InputKind;

namespace {

const std::string kNotSupported = "This Aircraft is not supported.\n";
const std::string kInstalled = "ZRK MD-11 panel already installed.\n";
const std::string kPaxWith = " MD-11 model identified.\nSingle available configuration correspond "
                             "to:\nMD-11 PAX, with ";
const std::string kGe = "General Electric CF6-80C2D1F", kPw = "Pratt && Whitney PW4462";
const std::string kV15 = "Version 1.5 identified.", kPax = "MD-11";

std::string ifdg(const std::string& version, const std::string& type, const std::string& engines) {
    return "iFDG MD-11 model identified.\n" + version + "\nAircraft type: " + type +
           "\nMotorization: " + engines + "\n";
}

struct Case {
    const char* sim;
    std::uintmax_t airSize;              // of sim.AIR; 0: no such file
    std::int32_t kind, variant, engines; // afterwards; 3 and 2 are the earlier type and engines
    std::string status;
    const char* modelFile = "MD11PG.mdl";
    std::uintmax_t modelSize = 3153900; // version 1.5; 5000000: unidentified
    // Inputs to the manual settings dialog, a letter each: n, s navigation and strobe lights on
    // MDL, c the commands box, o OK, e Escape, x the close box, r Enter.
    const char* manualInputs = "";
    std::int32_t wingLightsMode = 2, foldAndHookCommands = 0; // earlier values, kept unless asked
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.sim << ".air " << c.airSize << ", " << c.modelFile << " " << c.modelSize
         << (*c.manualInputs != 0 ? ", manual settings " : "") << c.manualInputs;
}

const Case kCorvane{"md11", 10015, modelCorvane, 3, 2, "Corvane" + kPaxWith + kGe + " engines\n"};
Case unsupported(const char* sim, std::uintmax_t airSize) {
    return {sim, airSize, modelNotSupported, 3, 2, kNotSupported};
}
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
        for (int id : {IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_PAX_3_CLASSES, IDC_CARGO}) {
            setCheckState(dialog(), id, control(id).checkState ? BST_UNCHECKED : BST_CHECKED);
        }
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
        const InputEvent inputs[] = {
            InputEvent::click(IDC_NAV_LIGHTS_MDL), InputEvent::click(IDC_STROBE_LIGHTS_MDL),
            InputEvent::click(IDC_FOLD_AND_HOOK),  InputEvent::click(IDC_MANSET_OK),
            InputEvent::key(InputKind::escape),    InputEvent::key(InputKind::closeBox),
            InputEvent::key(InputKind::enter)};
        for (const char* letter = c.manualInputs; *letter != 0; ++letter) {
            frontEnd().queueInput("ManSetDialog", inputs[std::string("nscoexr").find(*letter)]);
        }
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
    // An installable outcome enables the layouts of its type and checks the first; other check
    // marks stay as they were.
    const std::vector<int> layoutsOf[] = {{IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS},
                                          {IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS},
                                          {IDC_CARGO}};
    std::vector<int> offered = {IDC_UNINSTALL}, layouts;
    if (c.kind == modelNotSupported) {
        offered = {};
    } else if (c.kind != modelAlreadyInstalled) {
        layouts = layoutsOf[(c.kind == modelIfdg ? c.variant : variantPax) - 1];
        offered = {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK};
        offered.insert(offered.end(), layouts.begin(), layouts.end());
    }
    EXPECT_EQ(options(), offered);
    const int layout = layouts.empty() ? IDC_CARGO : layouts[0];
    EXPECT_EQ(options(true), (std::vector{IDC_ENGINE_SOUNDS, IDC_TRIMDESK, layout}));
    // The manual settings dialog only when asked, owned by the main dialog, with its beep.
    const bool asked = *c.manualInputs != 0;
    EXPECT_EQ(frontEnd().dialogOwners.back(), asked ? dialog() : nullptr);
    EXPECT_EQ(frontEnd().notices,
              std::vector(asked ? 1u : 0u, ScriptedFrontEnd::beepOf(MB_ICONEXCLAMATION)));
    if (asked) { // "Choose same" does not ask for the file; manual settings restart from defaults
        showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);
        frontEnd().queueInput("ManSetDialog", InputEvent::click(IDC_MANSET_OK));
        click(IDC_CHOOSE_SAME);
        EXPECT_EQ(statusText(), manual("FX=nav+strobe +commands)", "o", 3, 1).status);
        EXPECT_EQ(frontEnd().fileRequests, 1u);
    }
}

// Type and engines come from letters 5 and 6 of the model file's name, in either case. In the
// manual settings dialog Escape and the missing close box end nothing: only OK, or Enter on it.
INSTANTIATE_TEST_SUITE_P(
    Outcomes, Identification,
    testing::Values(
        kCorvane,
        Case{"MD11", 8756, modelOverland, 3, 2, "Overland" + kPaxWith + kPw + " engines\n"},
        unsupported("md11", 10016), unsupported("md11", 8336), unsupported("md11x", 10015),
        unsupported("MD-11", 8337), unsupported("MD-11", 0),
        Case{"md-11_ZRK", 0, modelAlreadyInstalled, 3, 2, kInstalled},
        Case{"voraz11E", 0, modelAlreadyInstalled, 3, 2, kInstalled},
        Case{"md-11", 8336, modelIfdg, 1, 1, ifdg("Version 1.0 identified.", kPax, kGe),
             "MD11PG.mdl", 4127528},
        Case{"MD-11", 8336, modelIfdg, 1, 1, ifdg(kV15, kPax, kGe)},
        Case{"MD-11", 8336, modelIfdg, 2, 2, ifdg(kV15, "MD-11C \"COMBI\"", kPw), "md11cp.mdl"},
        Case{"MD-11", 8336, modelIfdg, 3, 1, ifdg(kV15, "MD-11F \"CARGO\"", kGe), "md11fg.mdl"},
        Case{"MD-11", 8336, modelIfdg, 1, 1,
             ifdg(kV15, "MD-11 by default (unable to identify)",
                  "GE CF6-80C2D1F by default (unable to identify)"),
             "MD11XY.mdl"},
        manual("FX=nav+strobe +commands)", "o", 3, 1), manual("MDL=nav+strobe)", "nsco", 0, 0),
        manual("FX=strobe MDL=nav +commands)", "enxeo", 2, 1),
        manual("FX=nav MDL=strobe)", "scr", 1, 0)));

// Asked each time as the first time. 1002 names the file's folder, if any. After a success, a
// cancel or a refusal (with its message) leaves the reset state: statics empty but for the refused
// file's folder name, nothing enabled, check marks kept. The sound folder is looked for at each
// choice beside the current directory (which the file dialog may move), in any letter case.
TEST_F(ChooseAircraft, AsksCancelsRefusesAndLooksForTheSoundFolder) {
    for (bool refused : {false, true}) {
        chooseAircraft(kCorvane);
        EXPECT_EQ(control(IDC_FOLDER_NAME).text, folder().filename().string());
        showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);
        if (refused) {
            aircraft.writeConfig(fltsim("MD-11", "gone") + kGeneralSection);
        }
        chooseAircraftFile(refused ? std::optional<std::string>("") : std::nullopt);
        EXPECT_EQ(control(IDC_FOLDER_NAME).text, refused ? folder().filename().string() : "");
        EXPECT_EQ(std::pair(statusText(), control(IDC_CHOOSE_SAME).visible), std::pair(""s, false));
        EXPECT_EQ(options(), std::vector<int>{});
        EXPECT_EQ(options(true), (std::vector{IDC_ENGINE_SOUNDS, IDC_TRIMDESK, IDC_PAX_3_CLASSES}));
        EXPECT_STREQ(installerState.previousCfgPath, aircraft.cfgPath().c_str());
        EXPECT_STREQ(installerState.aircraftCfgPath, // the name the request proposed
                     refused ? aircraft.cfgPath().c_str() : "aircraft.cfg");
        EXPECT_EQ(std::pair(installerState.fileChosen, installerState.reuseLastChoice),
                  std::pair(refused ? 1 : 0, 0));
    }
    char message[kMessageCapacity];
    composeScanMessage(modelFileMissing, message);
    expectEnd(message); // the refusal's, the one notice
    EXPECT_EQ(frontEnd().notices.size(), 1u);
    aircraft.writeConfig(fltsim("md11") + kGeneralSection);
    ScopedCurrentDirectory inFolder(folder());
    chooseAircraftFile("aircraft.cfg");
    EXPECT_EQ(std::pair(control(IDC_FOLDER_NAME).text, control(IDC_INSTALL).enabled),
              std::pair(""s, true));
    const fs::path elsewhere = fs::path(startFolder()).parent_path() / "elsewhere";
    fs::create_directories(elsewhere / "deeper");
    ScopedCurrentDirectory moved(elsewhere / "deeper");
    chooseAircraftFile();
    EXPECT_FALSE(control(IDC_ENGINE_SOUNDS).enabled);
    fs::create_directories(elsewhere / "zrk md-11 SOUND");
    chooseAircraftFile();
    EXPECT_EQ(std::pair(control(IDC_ENGINE_SOUNDS).enabled, installerState.soundPackagePresent),
              std::pair(true, 1));
    EXPECT_EQ(frontEnd().fileRequests, 7u);
    const FileOpenRequest& r = installerState.openFileRequest;
    EXPECT_EQ(std::tuple(std::string(r.title), r.flags, r.owner),
              std::tuple("Please, search your FS2004 MD-11 aircraft", 0x1804u, dialog()));
}

} // namespace
