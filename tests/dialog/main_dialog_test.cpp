// The installer shell through the scripted front end: the main dialog's start state, what it
// leaves alone, how it ends, and the program entry's single-instance guard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "app/program_entry.h"
#include "tests/support/main_dialog_fixture.h"

namespace {

using emulated::InputEvent;
using emulated::InputKind;
const char kTitle[] = "ZRK MD11 Panel installer - version 1.16";

// The start directory ends in exactly one backslash, at a drive root too ("/" seen as "\").
TEST_F(MainDialogTest, StartsWithTitleFocusChecksStatesAndStartDirectory) {
    EXPECT_EQ(emulated::dialogTitle(dialog()), kTitle);
    EXPECT_EQ(emulated::focusedControlId(dialog()), IDC_CHOOSE_AIRCRAFT);
    EXPECT_EQ(installerState.appInstance, testModule());
    const std::set<int> enabled = {IDC_CHOOSE_AIRCRAFT, IDC_QUIT, IDC_FOLDER_NAME, IDC_STATUS,
                                   IDC_CHOOSE_SAME};
    for (const emulated::ControlView& c : emulated::dialogControls(dialog())) {
        EXPECT_EQ(std::pair(c.enabled, c.visible),
                  std::pair(enabled.count(c.id) == 1, c.id != IDC_CHOOSE_SAME))
            << c.id;
    }
    EXPECT_EQ(options(true), (std::vector{IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_PAX_3_CLASSES}));
    const std::filesystem::path here = std::filesystem::current_path();
    EXPECT_EQ(std::string(installerState.startDirectory), toCorePath(here.string()) + "\\");
    ScopedCurrentDirectory atRoot(here.root_path());
    emulated::closeDialogForTest(emulated::openDialogForTest("MainDialog", mainDialogProc));
    EXPECT_EQ(std::string(installerState.startDirectory), toCorePath(here.root_path().string()));
}

// Escape, commands not its own and clicks on the options are not handled; the close box and Quit
// end it with 0.
TEST_F(MainDialogTest, LeavesAloneWhatIsNotItsOwnAndEndsByCloseBoxOrQuit) {
    const int clicks[] = {IDC_REALISTIC_BRAKES, IDC_CARGO,       IDC_ENGINE_SOUNDS,
                          IDC_TRIMDESK,         IDC_PAX_1_CLASS, IDC_REALISTIC_BRAKES};
    for (int id : clicks) {
        enableControl(dialog(), id, true); // as for an installable aircraft
    }
    EXPECT_EQ(emulated::pressKey(dialog(), InputKind::escape), 0);
    for (int id : {IDOK, IDCANCEL, 999, IDC_FOLDER_NAME, IDC_STATUS, IDC_TRIMDESK, IDC_PAX_1_CLASS,
                   IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_MANSET_OK}) {
        EXPECT_EQ(sendCommand(dialog(), id), 0) << id;
    }
    for (int id : clicks) {
        EXPECT_EQ(click(id), 0) << id;
    }
    EXPECT_EQ(options(true),
              (std::vector{IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_PAX_1_CLASS}));
    EXPECT_FALSE(emulated::isDialogEnded(dialog()));
    EXPECT_TRUE(frontEnd().notices.empty());
    for (InputEvent input : {InputEvent::key(InputKind::closeBox), InputEvent::click(IDC_QUIT)}) {
        WindowHandle other = emulated::openDialogForTest("MainDialog", mainDialogProc);
        EXPECT_EQ(emulated::deliverInput(other, input), 1);
        DialogResult result = -1;
        EXPECT_TRUE(emulated::isDialogEnded(other, &result) && result == 0);
        emulated::closeDialogForTest(other);
    }
}

// The first copy is the one that holds the guard: here, the test itself. Without a guard the
// installer runs, and ends with 1.
TEST_F(MainDialogTest, ASecondCopyBeepsShowsWhyAndEndsWithZero) {
#if !defined(_WIN32)
    static TestFolder lockFolder; // the guard's lock file, away from other runs; lives on as TMPDIR
    setenv("TMPDIR", lockFolder.nativePath().c_str(), 1);
    unsetenv("XDG_RUNTIME_DIR");
#endif
    ASSERT_EQ(acquireInstanceGuard(kTitle), InstanceGuard::owned);
    EXPECT_EQ(runInstaller(testModule()), 0);
    EXPECT_EQ(frontEnd().notices,
              (std::vector{
                  ScriptedFrontEnd::beepOf(MB_ICONEXCLAMATION),
                  ScriptedFrontEnd::errorBox("This application is already running !!!", nullptr)}));
    EXPECT_EQ(frontEnd().dialogOwners.size(), 1u); // the fixture's dialog only
#if !defined(_WIN32)
    setenv("XDG_RUNTIME_DIR", lockFolder.native("missing").c_str(), 1); // no guard: it runs
    frontEnd().queueInput("MainDialog", InputEvent::click(IDC_QUIT));
    EXPECT_EQ(runInstaller(testModule()), 1);
    unsetenv("XDG_RUNTIME_DIR");
#endif
}

} // namespace
