// iFDG aircraft of each version through "Choose MD-11 aircraft": versions 1.0 and 1.5 are shown
// without asking, an unidentified one is settled in the real manual settings dialog, run as a
// nested modal dialog and driven by scripted input.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "app/installer_state.h"
#include "resources/control_ids.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/main_dialog_fixture.h"

using emulated::InputEvent;
using emulated::InputKind;

namespace {

constexpr const char* kManSet = "ManSetDialog";
const std::string kPaxGe = "\nAircraft type: MD-11\nMotorization: General Electric CF6-80C2D1F\n";

class IfdgVersionTest : public MainDialogTest {
protected:
    // The status text of a PAX General Electric aircraft of unidentified version.
    static std::string unknownVersionStatus(const std::string& settings) {
        return "iFDG MD-11 model identified.\nUnknow version (manual settings: " + settings +
               kPaxGe;
    }

    AircraftFolder aircraft;
};

struct IdentifiedCase {
    const char* modelFile;
    std::uintmax_t size;
    std::int32_t modelVersion;
    std::string status;
};

void PrintTo(const IdentifiedCase& c, std::ostream* out) {
    *out << c.modelFile << " of " << c.size << " bytes";
}

class IdentifiedVersionTest : public IfdgVersionTest,
                              public ::testing::WithParamInterface<IdentifiedCase> {};

TEST_P(IdentifiedVersionTest, IsShownWithoutAskingAndKeepsEarlierManualSettings) {
    const IdentifiedCase& c = GetParam();
    aircraft.writeIfdgAircraft(c.modelFile, c.size);
    installerState.wingLightsMode = wingStrobesFromEffects;
    installerState.foldAndHookCommands = 1;

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(control(IDC_STATUS).text, c.status);
    EXPECT_EQ(installerState.modelVersion, c.modelVersion);
    EXPECT_EQ(installerState.modelKind, modelIfdg);
    EXPECT_EQ(frontEnd().dialogsOpened(), std::vector<std::string>{"MainDialog"});
    EXPECT_TRUE(frontEnd().notices().empty());
    EXPECT_EQ(installerState.wingLightsMode, wingStrobesFromEffects);
    EXPECT_EQ(installerState.foldAndHookCommands, 1);
    EXPECT_TRUE(control(IDC_INSTALL).enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, IdentifiedVersionTest,
    ::testing::Values(
        IdentifiedCase{"MD11PG.mdl", 4127528, 1,
                       "iFDG MD-11 model identified.\nVersion 1.0 identified." + kPaxGe},
        // pw at the 6th and 7th characters makes any size above 4100000 version 1.0.
        IdentifiedCase{"MD11Ppw.mdl", 5000000, 1,
                       "iFDG MD-11 model identified.\nVersion 1.0 identified.\nAircraft type: "
                       "MD-11\nMotorization: Pratt && Whitney PW4462\n"},
        IdentifiedCase{"MD11PG.mdl", 3153900, 2,
                       "iFDG MD-11 model identified.\nVersion 1.5 identified." + kPaxGe}));

struct ManualCase {
    const char* label;
    std::vector<InputEvent> choices; // given to the manual settings dialog before confirm
    InputEvent confirm;
    std::int32_t wingLightsMode;
    std::int32_t foldAndHookCommands;
    std::string shownSettings;
};

void PrintTo(const ManualCase& c, std::ostream* out) {
    *out << c.label;
}

class ManualSettingsTest : public IfdgVersionTest,
                           public ::testing::WithParamInterface<ManualCase> {};

TEST_P(ManualSettingsTest, ChoiceIsStoredAndShown) {
    const ManualCase& c = GetParam();
    aircraft.writeIfdgAircraft("MD11PG.mdl", 5000000);
    for (const InputEvent& input : c.choices) {
        frontEnd().queueInput(kManSet, input);
    }
    frontEnd().queueInput(kManSet, c.confirm);

    chooseAircraftFile(aircraft.cfgPath());

    // Every queued input was taken by the nested dialog (the fixture checks that none is
    // left), so nothing before the confirmation ended it.
    EXPECT_EQ(installerState.modelVersion, 3);
    EXPECT_EQ(installerState.wingLightsMode, c.wingLightsMode);
    EXPECT_EQ(installerState.foldAndHookCommands, c.foldAndHookCommands);
    EXPECT_EQ(control(IDC_STATUS).text, unknownVersionStatus(c.shownSettings));
    EXPECT_EQ(frontEnd().dialogsOpened(), (std::vector<std::string>{"MainDialog", kManSet}));
    ASSERT_EQ(frontEnd().dialogOwners().size(), 2u);
    EXPECT_EQ(frontEnd().dialogOwners()[1], dialog());
    EXPECT_EQ(frontEnd().beeps(), std::vector<unsigned>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
    EXPECT_TRUE(control(IDC_INSTALL).enabled);
    EXPECT_TRUE(control(IDC_PAX_3_CLASSES).enabled);
}

const InputEvent kOk = InputEvent::click(IDC_MANSET_OK);
const InputEvent kNavFromModel = InputEvent::click(IDC_NAV_LIGHTS_MDL);
const InputEvent kNavFromEffects = InputEvent::click(IDC_NAV_LIGHTS_FX);
const InputEvent kStrobesFromModel = InputEvent::click(IDC_STROBE_LIGHTS_MDL);
const InputEvent kToggleCommands = InputEvent::click(IDC_FOLD_AND_HOOK);
const InputEvent kEscape = InputEvent::key(InputKind::escape);
const InputEvent kCloseBox = InputEvent::key(InputKind::closeBox);

INSTANTIATE_TEST_SUITE_P(
    Choices, ManualSettingsTest,
    ::testing::Values(
        ManualCase{"Defaults", {}, kOk, 3, 1, "FX=nav+strobe +commands)"},
        ManualCase{"AllFromModelNoCommands",
                   {kNavFromModel, kStrobesFromModel, kToggleCommands},
                   kOk,
                   0,
                   0,
                   "MDL=nav+strobe)"},
        ManualCase{"NavFromModel", {kNavFromModel}, kOk, 2, 1, "FX=strobe MDL=nav +commands)"},
        ManualCase{"StrobesFromModelNoCommands",
                   {kStrobesFromModel, kToggleCommands},
                   kOk,
                   1,
                   0,
                   "FX=nav MDL=strobe)"},
        ManualCase{"NavBackToEffects",
                   {kNavFromModel, kNavFromEffects},
                   kOk,
                   3,
                   1,
                   "FX=nav+strobe +commands)"},
        // Escape's cancel command and the missing close box end nothing: only OK does.
        ManualCase{"EscapeAndCloseBoxDoNotEnd",
                   {kEscape, kNavFromModel, kCloseBox, kEscape},
                   kOk,
                   2,
                   1,
                   "FX=strobe MDL=nav +commands)"},
        ManualCase{"EnterPressesOk",
                   {kStrobesFromModel},
                   InputEvent::key(InputKind::enter),
                   1,
                   1,
                   "FX=nav MDL=strobe +commands)"}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(IfdgVersionTest, EachRunStartsFromTheDefaultsNotFromTheLastChoice) {
    aircraft.writeIfdgAircraft("MD11PG.mdl", 5000000);
    for (const InputEvent& input : {kNavFromModel, kStrobesFromModel, kToggleCommands, kOk}) {
        frontEnd().queueInput(kManSet, input);
    }
    chooseAircraftFile(aircraft.cfgPath());
    ASSERT_EQ(installerState.wingLightsMode, wingLightsFromModel);
    ASSERT_EQ(installerState.foldAndHookCommands, 0);

    // "Choose same" runs the dialog again, nested one level deeper.
    showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW);
    frontEnd().queueInput(kManSet, kOk);
    EXPECT_EQ(emulated::clickControl(dialog(), IDC_CHOOSE_SAME), 1);

    EXPECT_EQ(installerState.wingLightsMode, wingNavAndStrobesFromEffects);
    EXPECT_EQ(installerState.foldAndHookCommands, 1);
    EXPECT_EQ(control(IDC_STATUS).text, unknownVersionStatus("FX=nav+strobe +commands)"));
    EXPECT_EQ(frontEnd().fileRequests().size(), 1u);
    EXPECT_EQ(frontEnd().beeps().size(), 2u);
}

} // namespace
