// Install.exe under Wine: an iFDG model of unidentified version opens the manual tuning
// settings dialog, which only its OK button ends; the choice shows in the identification text.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "resources/control_ids.h"
#include "tests/e2e/installer_fixture.h"
#include "tests/e2e/window_probe.h"

namespace {

constexpr const char* kSettingsTitle = "UNKNOW iFDG MODEL - Tunings manual settings";

// The identification text of the unidentified freighter with `settings`, the end of its
// version line.
std::string identifiedWith(const std::string& settings) {
    return "iFDG MD-11 model identified.\nUnknow version (manual settings: " + settings +
           "\nAircraft type: MD-11F \"CARGO\"\nMotorization: General Electric CF6-80C2D1F\n";
}

class ManualSettings : public InstallerTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startInstaller(false));
        // 5000000 bytes is none of the known model sizes.
        AircraftFiles unknownVersion{"MD-11", 8336, "MD11FG.mdl", 5000000};
        ASSERT_TRUE(chooseAircraft(addAircraft("iFDG MD-11F unknown", unknownVersion)));
        settings = installer->waitForDialog(kSettingsTitle);
        ASSERT_NE(settings, nullptr) << "no dialog \"" << kSettingsTitle << "\"";
        // It has unaddressed statics like a message box's text; its OK tells it apart.
        ASSERT_NE(GetDlgItem(settings, IDC_UNADDRESSED), nullptr);
        ASSERT_FALSE(isMessageBox(settings));
    }

    // Presses OK; true once the dialog is destroyed and the identification has finished.
    bool confirm() const {
        return click(settings, IDC_MANSET_OK) && waitUntilDestroyed(settings) && answers(dialog);
    }

    HWND settings = nullptr;
};

TEST_F(ManualSettings, OpensOverTheMainDialogWithTheProposedChoice) {
    EXPECT_EQ(GetWindow(settings, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(GetWindowLongPtrA(settings, GWL_STYLE) & WS_SYSMENU, 0);
    // Nothing of the identification shows before the choice is confirmed.
    EXPECT_EQ(status(), "");
    EXPECT_EQ(enabledOptions(), std::set<int>{});
    for (int id : {IDC_NAV_LIGHTS_FX, IDC_STROBE_LIGHTS_FX, IDC_FOLD_AND_HOOK}) {
        EXPECT_TRUE(isChecked(settings, id)) << "control " << id;
    }
    for (int id : {IDC_NAV_LIGHTS_MDL, IDC_STROBE_LIGHTS_MDL}) {
        EXPECT_FALSE(isChecked(settings, id)) << "control " << id;
    }
}

TEST_F(ManualSettings, EscapeAndCancelLeaveItOpenUntilOk) {
    SetForegroundWindow(settings);
    ASSERT_TRUE(answers(settings));
    HWND focus = focusedWindow(settings);
    ASSERT_EQ(focus, GetDlgItem(settings, IDC_MANSET_OK));
    // Posted input is handled in order: once the Tab behind the Escape has moved the focus to
    // the next tab stop, the Escape has been through the dialog's key handling. That is the
    // checked FX radio button, not the check box: checking a radio button makes it a tab stop.
    HWND next = GetNextDlgTabItem(settings, focus, FALSE);
    ASSERT_EQ(next, GetDlgItem(settings, IDC_NAV_LIGHTS_FX));
    ASSERT_TRUE(pressKey(focus, VK_ESCAPE));
    ASSERT_TRUE(pressKey(focus, VK_TAB));
    EXPECT_TRUE(waitForFocus(settings, next));
    EXPECT_TRUE(IsWindowVisible(settings));

    DWORD_PTR ignored = 0;
    ASSERT_NE(
        SendMessageTimeoutA(settings, WM_COMMAND, IDCANCEL, 0, SMTO_NORMAL, kWaitMs, &ignored), 0);
    ASSERT_TRUE(answers(settings));
    EXPECT_TRUE(IsWindowVisible(settings));
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(status(), "");

    ASSERT_TRUE(confirm());
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_EQ(status(), identifiedWith("FX=nav+strobe +commands)"));
    EXPECT_EQ(enabledOptions(),
              (std::set<int>{IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_CARGO}));
}

struct Choice {
    const char* name;
    std::vector<int> clicks;
    bool navFromEffects;
    bool strobesFromEffects;
    bool commands;
    const char* settings;
};

void PrintTo(const Choice& row, std::ostream* out) {
    *out << row.name;
}

class ManualChoice : public ManualSettings, public ::testing::WithParamInterface<Choice> {};

TEST_P(ManualChoice, ShowsInTheIdentification) {
    const Choice& choice = GetParam();
    for (int id : choice.clicks) {
        ASSERT_TRUE(click(settings, id)) << "control " << id;
    }
    // Each row is one radio group: the click on MDL clears FX.
    EXPECT_EQ(isChecked(settings, IDC_NAV_LIGHTS_FX), choice.navFromEffects);
    EXPECT_EQ(isChecked(settings, IDC_NAV_LIGHTS_MDL), !choice.navFromEffects);
    EXPECT_EQ(isChecked(settings, IDC_STROBE_LIGHTS_FX), choice.strobesFromEffects);
    EXPECT_EQ(isChecked(settings, IDC_STROBE_LIGHTS_MDL), !choice.strobesFromEffects);
    EXPECT_EQ(isChecked(settings, IDC_FOLD_AND_HOOK), choice.commands);
    ASSERT_TRUE(confirm());
    EXPECT_EQ(status(), identifiedWith(choice.settings));
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, ManualChoice,
    ::testing::Values(Choice{"AllFromModel",
                             {IDC_NAV_LIGHTS_MDL, IDC_STROBE_LIGHTS_MDL, IDC_FOLD_AND_HOOK},
                             false,
                             false,
                             false,
                             "MDL=nav+strobe)"},
                      Choice{"NavFromModel",
                             {IDC_NAV_LIGHTS_MDL},
                             false,
                             true,
                             true,
                             "FX=strobe MDL=nav +commands)"},
                      Choice{"StrobesFromModel",
                             {IDC_STROBE_LIGHTS_MDL, IDC_FOLD_AND_HOOK},
                             true,
                             false,
                             false,
                             "FX=nav MDL=strobe)"},
                      // Back and forth ends where it started.
                      Choice{"NavBackToEffects",
                             {IDC_NAV_LIGHTS_MDL, IDC_NAV_LIGHTS_FX},
                             true,
                             true,
                             true,
                             "FX=nav+strobe +commands)"}),
    [](const testing::TestParamInfo<Choice>& row) { return std::string(row.param.name); });

} // namespace
