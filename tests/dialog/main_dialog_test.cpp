// The installer shell through the scripted front end: the main dialog's start state, its
// commands, closing, "Choose same" and the program entry's single-instance guard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "app/installer_state.h"
#include "app/main_dialog.h"
#include "app/program_entry.h"
#include "resources/control_ids.h"
#include "tests/support/main_dialog_fixture.h"

using emulated::InputEvent;
using emulated::InputKind;

namespace {

std::vector<unsigned char> stateBytes() {
    std::vector<unsigned char> bytes(sizeof installerState);
    std::memcpy(bytes.data(), &installerState, sizeof installerState);
    return bytes;
}

struct InitialState {
    int id;
    const char* text;
    bool enabled;
    bool visible;
    unsigned check;
};

class MainDialogStartTest : public MainDialogTest,
                            public ::testing::WithParamInterface<InitialState> {};

TEST_P(MainDialogStartTest, ControlStartsAsTheInstallerNeedsIt) {
    const InitialState& expected = GetParam();
    const emulated::ControlView view = control(expected.id);
    EXPECT_EQ(view.text, expected.text);
    EXPECT_EQ(view.enabled, expected.enabled);
    EXPECT_EQ(view.visible, expected.visible);
    EXPECT_EQ(view.checkState, expected.check);
}

INSTANTIATE_TEST_SUITE_P(
    AllSixteen, MainDialogStartTest,
    ::testing::Values(
        InitialState{IDC_CHOOSE_AIRCRAFT, "Choose MD-11 aircraft", true, true, 0},
        InitialState{IDC_QUIT, "Quit", true, true, 0},
        InitialState{IDC_INSTALL, "Install", false, true, 0},
        InitialState{IDC_UNINSTALL, "Uninstall", false, true, 0},
        InitialState{IDC_FOLDER_NAME, "", true, true, 0},
        InitialState{IDC_STATUS, "", true, true, 0},
        InitialState{IDC_REALISTIC_BRAKES, "Realistic brakes", false, true, 1},
        InitialState{IDC_TRIMDESK, "Install ZRK Trimdesk:", false, true, 1},
        InitialState{IDC_PAX_3_CLASSES, "for version PAX, 3 classes", false, true, 1},
        InitialState{IDC_PAX_2_CLASSES, "for version PAX, 2 classes", false, true, 0},
        InitialState{IDC_PAX_1_CLASS, "for version PAX, 1 class (economy)", false, true, 0},
        InitialState{IDC_COMBI_2_CLASSES, "for version COMBI 2 classes", false, true, 0},
        InitialState{IDC_COMBI_1_CLASS, "for version COMBI 1 class (economy)", false, true, 0},
        InitialState{IDC_CARGO, "for version CARGO", false, true, 0},
        InitialState{IDC_CHOOSE_SAME, "Choose same", true, false, 0},
        InitialState{IDC_ENGINE_SOUNDS, "ZRK engine sounds", false, true, 0}),
    [](const auto& testInfo) { return std::to_string(testInfo.param.id); });

TEST_F(MainDialogTest, StartSetsTitleFocusInstanceAndTheFileOpenRequest) {
    EXPECT_EQ(emulated::dialogTitle(dialog()), "ZRK MD11 Panel installer - version 1.16");
    EXPECT_EQ(emulated::focusedControlId(dialog()), IDC_CHOOSE_AIRCRAFT);
    EXPECT_EQ(installerState.appInstance, testModule());
    const FileOpenRequest& request = installerState.openFileRequest;
    EXPECT_EQ(request.structSize, 76u);
    EXPECT_EQ(request.owner, dialog());
    EXPECT_EQ(request.fileBuffer, installerState.aircraftCfgPath);
    EXPECT_EQ(request.fileBufferSize, kPathCapacity);
    EXPECT_EQ(request.title, nullptr);
    EXPECT_EQ(request.flags, 0u);
    EXPECT_TRUE(frontEnd().notices().empty());
}

TEST_F(MainDialogTest, StartDirectoryGetsExactlyOneBackslash) {
    const std::string expected = toCorePath(std::filesystem::current_path().string()) + "\\";
    EXPECT_EQ(std::string(installerState.startDirectory), expected);
}

TEST_F(MainDialogTest, StartDirectoryThatIsARootKeepsItsOneBackslash) {
    const std::filesystem::path root = std::filesystem::current_path().root_path();
    ScopedCurrentDirectory atRoot(root);
    WindowHandle second = emulated::openDialogForTest("MainDialog", mainDialogProc);
    emulated::closeDialogForTest(second);
    const std::string expected = toCorePath(root.string());
    ASSERT_EQ(expected.back(), '\\');
    EXPECT_EQ(std::string(installerState.startDirectory), expected);
}

TEST_F(MainDialogTest, EscapeDoesNothing) {
    const std::string before = dialogSnapshot(dialog());
    const std::vector<unsigned char> state = stateBytes();
    EXPECT_EQ(emulated::pressKey(dialog(), InputKind::escape), 0);
    EXPECT_FALSE(emulated::isDialogEnded(dialog()));
    EXPECT_EQ(dialogSnapshot(dialog()), before);
    EXPECT_EQ(stateBytes(), state);
}

class MainDialogEndTest : public MainDialogTest,
                          public ::testing::WithParamInterface<InputEvent> {};

TEST_P(MainDialogEndTest, EndsTheDialogWithResultZero) {
    EXPECT_EQ(emulated::deliverInput(dialog(), GetParam()), 1);
    DialogResult result = -1;
    ASSERT_TRUE(emulated::isDialogEnded(dialog(), &result));
    EXPECT_EQ(result, 0);
}

INSTANTIATE_TEST_SUITE_P(CloseBoxAndQuit, MainDialogEndTest,
                         ::testing::Values(InputEvent::key(InputKind::closeBox),
                                           InputEvent::click(IDC_QUIT)));

class OptionClickTest : public MainDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(OptionClickTest, ChangesOnlyCheckMarksAndIsNotHandled) {
    static const std::vector<int> radios = {IDC_PAX_3_CLASSES,   IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                                            IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO};
    static const std::vector<int> boxes = {IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_ENGINE_SOUNDS};
    // Enabled, as the identification leaves them for an installable aircraft.
    for (const std::vector<int>* ids : {&radios, &boxes}) {
        for (int id : *ids) {
            enableControl(dialog(), id, true);
        }
    }
    const int clicked = GetParam();
    const bool isRadio = std::find(radios.begin(), radios.end(), clicked) != radios.end();
    std::map<int, unsigned> expected;
    for (int id : boxes) {
        expected[id] = getCheckState(dialog(), id);
    }
    for (int id : radios) {
        expected[id] = isRadio ? BST_UNCHECKED : getCheckState(dialog(), id);
    }
    expected[clicked] = isRadio || expected[clicked] == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
    const std::string before = dialogSnapshot(dialog(), false, false);
    const std::vector<unsigned char> state = stateBytes();

    EXPECT_EQ(emulated::clickControl(dialog(), clicked), 0);

    for (const auto& [id, check] : expected) {
        EXPECT_EQ(getCheckState(dialog(), id), check) << id;
    }
    // Besides the check marks, only the focus moves, to the clicked control.
    EXPECT_EQ(emulated::focusedControlId(dialog()), clicked);
    EXPECT_EQ(dialogSnapshot(dialog(), false, false), before);
    EXPECT_EQ(stateBytes(), state);
    EXPECT_FALSE(emulated::isDialogEnded(dialog()));
    EXPECT_TRUE(frontEnd().notices().empty());
}

INSTANTIATE_TEST_SUITE_P(CheckBoxesAndRadioButtons, OptionClickTest,
                         ::testing::Values(IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_ENGINE_SOUNDS,
                                           IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                                           IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO));

class UnhandledCommandTest : public MainDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnhandledCommandTest, IsReportedNotHandledAndChangesNothing) {
    const std::string before = dialogSnapshot(dialog());
    const std::vector<unsigned char> state = stateBytes();
    EXPECT_EQ(sendCommand(dialog(), GetParam()), 0);
    EXPECT_EQ(dialogSnapshot(dialog()), before);
    EXPECT_EQ(stateBytes(), state);
    EXPECT_FALSE(emulated::isDialogEnded(dialog()));
}

INSTANTIATE_TEST_SUITE_P(OutsideAndInsideTheRange, UnhandledCommandTest,
                         ::testing::Values(IDOK, IDCANCEL, 999, IDC_FOLDER_NAME, IDC_STATUS,
                                           IDC_TRIMDESK, IDC_PAX_1_CLASS, IDC_PAX_2_CLASSES,
                                           IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_MANSET_OK));

TEST_F(MainDialogTest, OtherMessagesAreNotHandledAndTheNotificationCodeIsIgnored) {
    EXPECT_EQ(mainDialogProc(dialog(), WM_NULL, IDC_QUIT, 0), 0);
    EXPECT_FALSE(emulated::isDialogEnded(dialog()));
    EXPECT_EQ(mainDialogProc(dialog(), WM_COMMAND, (5u << 16) | IDC_QUIT, 0), 1);
    EXPECT_TRUE(emulated::isDialogEnded(dialog()));
}

TEST_F(MainDialogTest, ChooseSameReusesThePreviousPathAndHidesItself) {
    const char* previous = "C:\\fs9\\Aircraft\\MD11\\aircraft.cfg";
    std::strcpy(installerState.previousCfgPath, previous);
    std::strcpy(installerState.aircraftCfgPath, "C:\\elsewhere\\aircraft.cfg");
    showControl(dialog(), IDC_CHOOSE_SAME, SW_SHOW); // as after a successful uninstall

    EXPECT_EQ(emulated::clickControl(dialog(), IDC_CHOOSE_SAME), 1);

    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    EXPECT_STREQ(installerState.aircraftCfgPath, previous);
    // The re-run analysed the copied path (there is no such file here) without asking for one,
    // and cleared the flag on its way out.
    EXPECT_EQ(installerState.reuseLastChoice, 0);
    EXPECT_TRUE(frontEnd().fileRequests().empty());
    ASSERT_EQ(frontEnd().messageBoxes().size(), 1u);
    EXPECT_EQ(frontEnd().messageBoxes()[0].text,
              "Illegal aircraft configuration !!!\n\nUnable to open the file.");
    EXPECT_FALSE(emulated::isDialogEnded(dialog()));
}

class ProgramEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        emulated::setFrontEnd(&frontEnd_);
        resetInstallerStateForTest();
    }
    void TearDown() override { emulated::setFrontEnd(nullptr); }

    ScriptedFrontEnd frontEnd_;
};

#if !defined(_WIN32)
// A second process that holds the single-instance guard until destroyed.
class GuardHolder {
public:
    explicit GuardHolder(const char* name) {
        int ready[2];
        if (pipe(ready) != 0 || pipe(release_) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(release_[1]);
            const char owned = acquireInstanceGuard(name) == InstanceGuard::owned ? 'y' : 'n';
            (void)!write(ready[1], &owned, 1);
            char ignored;
            (void)!read(release_[0], &ignored, 1); // returns when the parent closes its end
            _exit(0);
        }
        close(ready[1]);
        close(release_[0]);
        char answer = 'n';
        owned_ = read(ready[0], &answer, 1) == 1 && answer == 'y';
        close(ready[0]);
    }
    ~GuardHolder() {
        if (pid_ > 0) {
            close(release_[1]);
            waitpid(pid_, nullptr, 0);
        }
    }
    GuardHolder(const GuardHolder&) = delete;
    GuardHolder& operator=(const GuardHolder&) = delete;

    bool owned() const { return owned_; }

private:
    pid_t pid_ = -1;
    int release_[2] = {-1, -1};
    bool owned_ = false;
};

TEST_F(ProgramEntryTest, SecondCopyBeepsReportsAndEndsWithZero) {
    GuardHolder firstCopy("ZRK MD11 Panel installer - version 1.16");
    ASSERT_TRUE(firstCopy.owned());

    EXPECT_EQ(runInstaller(testModule()), 0);

    const std::vector<ScriptedFrontEnd::Notice>& notices = frontEnd_.notices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].kind, ScriptedFrontEnd::NoticeKind::beep);
    EXPECT_EQ(notices[0].style, 0x30u);
    EXPECT_EQ(notices[1].kind, ScriptedFrontEnd::NoticeKind::messageBox);
    EXPECT_EQ(notices[1].text, "This application is already running !!!");
    EXPECT_EQ(notices[1].caption, "ERROR from ZRK MD11 Panel installer");
    EXPECT_EQ(notices[1].style, 0x30u);
    EXPECT_EQ(notices[1].owner, nullptr);
    EXPECT_TRUE(frontEnd_.dialogsOpened().empty());
}
#endif

#if GTEST_HAS_DEATH_TEST
// The first copy takes the guard for good, so it runs in a child process of its own.
[[noreturn]] void runFirstCopyAndExit(ScriptedFrontEnd& frontEnd) {
    frontEnd.queueInput("MainDialog", InputEvent::key(InputKind::escape));
    frontEnd.queueClick("MainDialog", IDC_QUIT);
    const int result = runInstaller(testModule());
    const bool asScripted = !::testing::Test::HasFailure() && frontEnd.pendingAnswers() == 0 &&
                            frontEnd.notices().empty() &&
                            frontEnd.dialogsOpened() == std::vector<std::string>{"MainDialog"};
    std::_Exit(asScripted ? result : 100);
}

TEST_F(ProgramEntryTest, FirstCopyRunsTheMainDialogUntilQuitAndEndsWithOne) {
    EXPECT_EXIT(runFirstCopyAndExit(frontEnd_), ::testing::ExitedWithCode(1), "");
}
#endif

} // namespace
