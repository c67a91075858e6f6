// Install.exe under Wine: the main dialog as it starts, the keys that must not end it, and the
// ways that do.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/window_probe.h"

namespace {

constexpr const char* kTitle = "ZRK MD11 Panel installer - version 1.16";

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(installer.started()) << "Install.exe did not start";
        dialog = installer.waitForDialog(kTitle);
        ASSERT_NE(dialog, nullptr) << "no dialog titled \"" << kTitle << "\"";
    }

    InstallerProcess installer;
    HWND dialog = nullptr;
};

TEST_F(MainWindow, IsTheTitledDialogWithACloseBox) {
    EXPECT_EQ(FindWindowA("#32770", kTitle), dialog);
    LONG_PTR style = GetWindowLongPtrA(dialog, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_SYSMENU, WS_SYSMENU);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
}

struct InitialState {
    int id;
    const char* text;
    bool enabled;
    bool visible;
    bool checked;
};

// Every control right after start: the template's states plus the three check marks that the
// initialisation sets.
constexpr InitialState kInitialStates[] = {
    {1001, "Choose MD-11 aircraft", true, true, false},
    {1000, "Quit", true, true, false},
    {1004, "Install", false, true, false},
    {1005, "Uninstall", false, true, false},
    {1002, "", true, true, false},
    {1003, "", true, true, false},
    {1014, "Realistic brakes", false, true, true},
    {1006, "Install ZRK Trimdesk:", false, true, true},
    {1007, "for version PAX, 3 classes", false, true, true},
    {1012, "for version PAX, 2 classes", false, true, false},
    {1008, "for version PAX, 1 class (economy)", false, true, false},
    {1009, "for version COMBI 2 classes", false, true, false},
    {1011, "for version COMBI 1 class (economy)", false, true, false},
    {1010, "for version CARGO", false, true, false},
    {1013, "Choose same", true, false, false},
    {1015, "ZRK engine sounds", false, true, false},
};

TEST_F(MainWindow, StartsWithEveryControlInItsInitialState) {
    for (const InitialState& expected : kInitialStates) {
        SCOPED_TRACE(testing::Message() << "control " << expected.id);
        HWND control = GetDlgItem(dialog, expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(controlText(dialog, expected.id), expected.text);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visible);
        EXPECT_EQ(isChecked(dialog, expected.id), expected.checked);
    }
}

TEST_F(MainWindow, GivesTheFocusToChooseAircraft) {
    SetForegroundWindow(dialog);
    ASSERT_TRUE(answers(dialog));
    EXPECT_EQ(focusedWindow(dialog), GetDlgItem(dialog, 1001));
}

TEST_F(MainWindow, IgnoresTheCancelCommand) {
    DWORD_PTR ignored = 0;
    ASSERT_NE(SendMessageTimeoutA(dialog, WM_COMMAND, IDCANCEL, 0, SMTO_NORMAL, kWaitMs, &ignored),
              0);
    EXPECT_TRUE(installer.stillRunningAfter(1000));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(answers(dialog));
}

TEST_F(MainWindow, IgnoresTheEscapeKey) {
    SetForegroundWindow(dialog);
    ASSERT_TRUE(answers(dialog));
    HWND focus = focusedWindow(dialog);
    ASSERT_EQ(focus, GetDlgItem(dialog, 1001));
    // Posted input is handled in order: once the Tab behind the Escape has moved the focus to
    // the next tab stop ("Quit"), the Escape has been through the dialog's key handling.
    ASSERT_TRUE(pressKey(focus, VK_ESCAPE));
    ASSERT_TRUE(pressKey(focus, VK_TAB));
    EXPECT_TRUE(waitForFocus(dialog, GetDlgItem(dialog, 1000)));
    EXPECT_TRUE(installer.stillRunningAfter(1000));
    EXPECT_TRUE(IsWindowVisible(dialog));
}

// "Quit" and the close box end the dialog, and the process ends with 1.
struct Ending {
    const char* name;
    void (*act)(HWND dialog);
};

class Closing : public MainWindow, public ::testing::WithParamInterface<Ending> {};

TEST_P(Closing, EndsTheProcessWithOne) {
    GetParam().act(dialog);
    EXPECT_EQ(installer.waitForExit(), std::optional<DWORD>{1});
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Closing,
    ::testing::Values(
        Ending{"QuitButton", [](HWND dialog) { EXPECT_TRUE(click(dialog, 1000)); }},
        Ending{"CloseBox",
               [](HWND dialog) { EXPECT_TRUE(PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0)); }},
        Ending{"CloseMessage",
               [](HWND dialog) { EXPECT_TRUE(PostMessageA(dialog, WM_CLOSE, 0, 0)); }}),
    [](const testing::TestParamInfo<Ending>& way) { return std::string(way.param.name); });

} // namespace
