// The emulated dialog manager's Windows rules, driven over the real templates with a small
// recording dialog procedure.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/emulated/dialog_manager.h"
#include "resources/control_ids.h"
#include "tests/support/dialog_test_helpers.h"
#include "tests/support/recording_dialog.h"
#include "tests/support/scripted_front_end.h"

using emulated::InputEvent;
using emulated::InputKind;

namespace {

// Check states as the unsigned values getCheckState returns.
constexpr unsigned kChecked = BST_CHECKED;
constexpr unsigned kUnchecked = BST_UNCHECKED;

class EmulatedDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        setDialogScript(&script_);
        emulated::setFrontEnd(&frontEnd_);
    }
    void TearDown() override {
        for (WindowHandle dialog : opened_) {
            emulated::closeDialogForTest(dialog);
        }
        EXPECT_EQ(emulated::innermostDialog(), nullptr) << "a dialog outlived its test";
        emulated::setFrontEnd(nullptr);
        setDialogScript(nullptr);
    }

    WindowHandle open(const char* name) {
        return opened_.emplace_back(
            emulated::openDialogForTest(name, recordingDialogProc, testModule(), 5));
    }
    WindowHandle open(const DialogTemplate& layout) {
        return opened_.emplace_back(emulated::openDialogForTest(layout, recordingDialogProc));
    }
    std::vector<std::uintptr_t> commands(WindowHandle of = nullptr) const {
        return script_.commands(of);
    }
    std::vector<unsigned> messages() const { return script_.messages(); }

    DialogScript script_;
    ScriptedFrontEnd frontEnd_;
    std::vector<WindowHandle> opened_;
};

// The control table itself is checked through the main dialog's start state (dialog tests).
TEST_F(EmulatedDialogTest, InitComesFirstWithTheParameterAndTheTemplatesTitle) {
    WindowHandle dialog = open("ManSetDialog");
    EXPECT_EQ(messages(), std::vector<unsigned>{WM_INITDIALOG});
    EXPECT_EQ(script_.received[0].lParam, 5);
    EXPECT_EQ(emulated::dialogTitle(dialog), "UNKNOW iFDG MODEL - Tunings manual settings");
    EXPECT_EQ(windowModule(dialog), testModule());
    EXPECT_EQ(emulated::dialogControls(dialog).size(), 11u);
    EXPECT_EQ(frontEnd_.dialogsOpened(), std::vector<std::string>{"ManSetDialog"});
}

TEST_F(EmulatedDialogTest, InitReturningOneFocusesTheFirstTabStopAndZeroFocusesNothing) {
    EXPECT_EQ(emulated::focusedControlId(open("MainDialog")), IDC_CHOOSE_AIRCRAFT);
    EXPECT_EQ(emulated::focusedControlId(open("ManSetDialog")), IDC_MANSET_OK);
    script_.initResult = 0;
    EXPECT_EQ(emulated::focusedControlId(open("MainDialog")), 0);
}

TEST_F(EmulatedDialogTest, AutoCheckBoxTogglesBeforeItsCommandIsSent) {
    WindowHandle dialog = open("MainDialog");
    enableControl(dialog, IDC_REALISTIC_BRAKES, true);
    EXPECT_EQ(emulated::clickControl(dialog, IDC_REALISTIC_BRAKES), 0);
    EXPECT_EQ(getCheckState(dialog, IDC_REALISTIC_BRAKES), kChecked);
    EXPECT_EQ(emulated::focusedControlId(dialog), IDC_REALISTIC_BRAKES);
    emulated::pressKey(dialog, InputKind::space);
    EXPECT_EQ(getCheckState(dialog, IDC_REALISTIC_BRAKES), kUnchecked);
    ASSERT_EQ(commands(),
              (std::vector<std::uintptr_t>{IDC_REALISTIC_BRAKES, IDC_REALISTIC_BRAKES}));
    EXPECT_EQ(script_.received[1].ownCheckState, kChecked);
    EXPECT_EQ(script_.received[2].ownCheckState, kUnchecked);
}

struct RadioCase {
    const char* dialog;
    std::vector<int> checkedBefore;
    int clicked;
    std::vector<int> checkedAfter; // every other check box and radio button must be clear
};

class RadioGroupTest : public EmulatedDialogTest,
                       public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioGroupTest, ClickedRadioChecksItselfAndClearsOnlyItsOwnGroup) {
    const RadioCase& c = GetParam();
    WindowHandle dialog = open(c.dialog);
    for (const emulated::ControlView& control : emulated::dialogControls(dialog)) {
        enableControl(dialog, control.id, true);
    }
    for (int id : c.checkedBefore) {
        setCheckState(dialog, id, BST_CHECKED);
    }
    EXPECT_EQ(emulated::clickControl(dialog, c.clicked), 0);
    ASSERT_EQ(commands(), std::vector<std::uintptr_t>{std::uintptr_t(c.clicked)});
    EXPECT_EQ(script_.received.back().ownCheckState, kChecked);
    for (const emulated::ControlView& control : emulated::dialogControls(dialog)) {
        if (control.layout->kind == ControlKind::autoRadio ||
            control.layout->kind == ControlKind::autoCheckBox) {
            const bool checked =
                std::count(c.checkedAfter.begin(), c.checkedAfter.end(), control.id) != 0;
            EXPECT_EQ(control.checkState, checked ? kChecked : kUnchecked) << control.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, RadioGroupTest,
    ::testing::Values(
        // The six layouts form one group; the check boxes before and after it are not in it.
        RadioCase{"MainDialog",
                  {IDC_TRIMDESK, IDC_PAX_3_CLASSES, IDC_ENGINE_SOUNDS},
                  IDC_CARGO,
                  {IDC_TRIMDESK, IDC_CARGO, IDC_ENGINE_SOUNDS}},
        RadioCase{"MainDialog", {IDC_PAX_2_CLASSES}, IDC_PAX_2_CLASSES, {IDC_PAX_2_CLASSES}},
        // Two groups of two, with grouped statics between them.
        RadioCase{"ManSetDialog",
                  {IDC_NAV_LIGHTS_FX, IDC_STROBE_LIGHTS_FX, IDC_FOLD_AND_HOOK},
                  IDC_NAV_LIGHTS_MDL,
                  {IDC_NAV_LIGHTS_MDL, IDC_STROBE_LIGHTS_FX, IDC_FOLD_AND_HOOK}}));

TEST_F(EmulatedDialogTest, ClicksOnDisabledHiddenOrStaticControlsReachNothing) {
    WindowHandle dialog = open("MainDialog");
    setCheckState(dialog, IDC_PAX_3_CLASSES, BST_CHECKED);
    const std::string before = dialogSnapshot(dialog);
    for (int id : {IDC_REALISTIC_BRAKES, IDC_CARGO, IDC_INSTALL, IDC_CHOOSE_SAME, IDC_STATUS,
                   IDC_UNADDRESSED, 4242}) {
        EXPECT_FALSE(emulated::clickControl(dialog, id).has_value()) << id;
    }
    EXPECT_EQ(dialogSnapshot(dialog), before);
    EXPECT_TRUE(commands().empty());
}

TEST_F(EmulatedDialogTest, EscapeSendsCancelEvenWhereNothingHandlesIt) {
    for (const char* name : {"MainDialog", "ManSetDialog"}) {
        WindowHandle dialog = open(name);
        EXPECT_EQ(emulated::pressKey(dialog, InputKind::escape), 0) << name;
        EXPECT_EQ(commands(dialog), std::vector<std::uintptr_t>{IDCANCEL}) << name;
    }
}

struct EnterCase {
    const char* dialog;
    void (*prepare)(WindowHandle dialog);
    std::vector<std::uintptr_t> expected;
};

TEST_F(EmulatedDialogTest, EnterClicksTheFocusedPushButtonElseTheEnabledDefaultButton) {
    const EnterCase cases[] = {
        {"MainDialog", [](WindowHandle) {}, {IDC_CHOOSE_AIRCRAFT}},
        {"MainDialog", [](WindowHandle d) { emulated::pressKey(d, InputKind::tab); }, {IDC_QUIT}},
        {"MainDialog", [](WindowHandle d) { enableControl(d, IDC_CHOOSE_AIRCRAFT, false); }, {}},
        // Focus on the check box: the default button.
        {"ManSetDialog",
         [](WindowHandle d) { emulated::pressKey(d, InputKind::backTab); },
         {IDC_MANSET_OK}},
    };
    for (const EnterCase& c : cases) {
        WindowHandle dialog = open(c.dialog);
        c.prepare(dialog);
        emulated::pressKey(dialog, InputKind::enter);
        EXPECT_EQ(commands(dialog), c.expected) << &c - cases;
    }
}

TEST_F(EmulatedDialogTest, CloseBoxSendsCloseOnlyWhereTheTemplateHasOne) {
    EXPECT_EQ(emulated::pressCloseBox(open("MainDialog")), 1);
    EXPECT_FALSE(emulated::pressCloseBox(open("ManSetDialog")).has_value());
    EXPECT_EQ(messages(), (std::vector<unsigned>{WM_INITDIALOG, WM_CLOSE, WM_INITDIALOG}));
    // Left unhandled, the close becomes a cancel, as in the default dialog procedure.
    script_.handleClose = false;
    WindowHandle dialog = open("MainDialog");
    EXPECT_EQ(emulated::pressCloseBox(dialog), 0);
    EXPECT_EQ(commands(dialog), std::vector<std::uintptr_t>{IDCANCEL});
}

std::vector<int> focusWalk(WindowHandle dialog, InputKind key, int steps) {
    std::vector<int> ids;
    for (int i = 0; i < steps; ++i) {
        emulated::pressKey(dialog, key);
        ids.push_back(emulated::focusedControlId(dialog));
    }
    return ids;
}

TEST_F(EmulatedDialogTest, TabCyclesVisibleEnabledTabStopsInTemplateOrder) {
    WindowHandle dialog = open("MainDialog");
    EXPECT_EQ(focusWalk(dialog, InputKind::tab, 2),
              (std::vector<int>{IDC_QUIT, IDC_CHOOSE_AIRCRAFT}));
    for (const emulated::ControlView& control : emulated::dialogControls(dialog)) {
        enableControl(dialog, control.id, true);
    }
    showControl(dialog, IDC_CHOOSE_SAME, SW_SHOW);
    // The radio buttons are no tab stops; the statics never are.
    EXPECT_EQ(
        focusWalk(dialog, InputKind::tab, 8),
        (std::vector<int>{IDC_QUIT, IDC_INSTALL, IDC_UNINSTALL, IDC_REALISTIC_BRAKES, IDC_TRIMDESK,
                          IDC_CHOOSE_SAME, IDC_ENGINE_SOUNDS, IDC_CHOOSE_AIRCRAFT}));
    EXPECT_EQ(focusWalk(dialog, InputKind::backTab, 2),
              (std::vector<int>{IDC_ENGINE_SOUNDS, IDC_CHOOSE_SAME}));
    showControl(dialog, IDC_CHOOSE_SAME, SW_HIDE);
    EXPECT_EQ(emulated::focusedControlId(dialog), 0) << "a hidden control keeps no focus";
    EXPECT_TRUE(commands().empty());
}

TEST_F(EmulatedDialogTest, RadioGroupIsOneTabStopLandingOnItsCheckedButton) {
    using K = ControlKind;
    static constexpr ControlTemplate kControls[] = {
        {10, K::pushButton, "A", 0, 0, 10, 10, true, true, false, false, false, false, false},
        {11, K::autoRadio, "R1", 0, 10, 10, 10, true, true, false, false, false, false, false},
        {12, K::autoRadio, "R2", 0, 20, 10, 10, false, false, false, false, false, false, false},
        {13, K::pushButton, "B", 0, 30, 10, 10, true, true, false, false, false, false, false},
    };
    static constexpr DialogTemplate kLayout{"RadioStops", "",    50,        50, "MS Sans Serif", 8,
                                            false,        false, kControls, 4};
    WindowHandle dialog = open(kLayout);
    EXPECT_EQ(focusWalk(dialog, InputKind::tab, 3), (std::vector<int>{11, 13, 10}));
    setCheckState(dialog, 12, BST_CHECKED);
    EXPECT_EQ(focusWalk(dialog, InputKind::tab, 2), (std::vector<int>{12, 13}));
    EXPECT_EQ(focusWalk(dialog, InputKind::backTab, 2), (std::vector<int>{12, 10}));
}

TEST_F(EmulatedDialogTest, CheckedRadioButtonIsTheTabStopOfItsGroupAndFollowsTheCheck) {
    WindowHandle dialog = open("ManSetDialog");
    EXPECT_EQ(focusWalk(dialog, InputKind::tab, 2),
              (std::vector<int>{IDC_FOLD_AND_HOOK, IDC_MANSET_OK}))
        << "no radio button is checked yet, and the template gives them no tab stop";
    setCheckState(dialog, IDC_NAV_LIGHTS_FX, BST_CHECKED);
    setCheckState(dialog, IDC_STROBE_LIGHTS_FX, BST_CHECKED);
    EXPECT_EQ(focusWalk(dialog, InputKind::tab, 4),
              (std::vector<int>{IDC_NAV_LIGHTS_FX, IDC_STROBE_LIGHTS_FX, IDC_FOLD_AND_HOOK,
                                IDC_MANSET_OK}));
    emulated::clickControl(dialog, IDC_NAV_LIGHTS_MDL);
    EXPECT_EQ(focusWalk(dialog, InputKind::backTab, 4),
              (std::vector<int>{IDC_MANSET_OK, IDC_FOLD_AND_HOOK, IDC_STROBE_LIGHTS_FX,
                                IDC_NAV_LIGHTS_MDL}));
}

struct ArrowCase {
    const char* name;
    int focusBy;   // clicked first, so it holds the focus
    int disabled;  // disabled before the arrow, 0 for none
    InputKind key; // up or down
    int focusAfter;
    std::vector<std::uintptr_t> commandsAfterClick;
    unsigned checkOfFirstRadio; // IDC_PAX_3_CLASSES afterwards
};

TEST_F(EmulatedDialogTest, ArrowsMoveWithinTheFocusedGroupAndCarryTheRadioCheck) {
    const ArrowCase cases[] = {
        {"next radio",
         IDC_PAX_3_CLASSES,
         0,
         InputKind::down,
         IDC_PAX_2_CLASSES,
         {IDC_PAX_2_CLASSES},
         kUnchecked},
        {"previous wraps to the last",
         IDC_PAX_3_CLASSES,
         0,
         InputKind::up,
         IDC_CARGO,
         {IDC_CARGO},
         kUnchecked},
        {"disabled radio skipped",
         IDC_PAX_3_CLASSES,
         IDC_PAX_2_CLASSES,
         InputKind::down,
         IDC_PAX_1_CLASS,
         {IDC_PAX_1_CLASS},
         kUnchecked},
        {"push buttons: no command, statics skipped",
         IDC_TRIMDESK,
         0,
         InputKind::down,
         IDC_CHOOSE_AIRCRAFT,
         {},
         kChecked},
        {"backwards over the statics",
         IDC_REALISTIC_BRAKES,
         0,
         InputKind::up,
         IDC_UNINSTALL,
         {},
         kChecked},
        {"alone in its group",
         IDC_ENGINE_SOUNDS,
         IDC_CHOOSE_SAME,
         InputKind::down,
         IDC_ENGINE_SOUNDS,
         {},
         kChecked},
    };
    for (const ArrowCase& c : cases) {
        WindowHandle dialog = open("MainDialog");
        for (const emulated::ControlView& control : emulated::dialogControls(dialog)) {
            enableControl(dialog, control.id, true);
        }
        setCheckState(dialog, IDC_PAX_3_CLASSES, BST_CHECKED);
        if (c.disabled != 0) {
            enableControl(dialog, c.disabled, false);
        }
        emulated::clickControl(dialog, c.focusBy);
        const std::size_t before = commands(dialog).size();
        emulated::pressKey(dialog, c.key);
        EXPECT_EQ(emulated::focusedControlId(dialog), c.focusAfter) << c.name;
        const std::vector<std::uintptr_t> all = commands(dialog);
        EXPECT_EQ(std::vector<std::uintptr_t>(all.begin() + static_cast<long>(before), all.end()),
                  c.commandsAfterClick)
            << c.name;
        EXPECT_EQ(getCheckState(dialog, IDC_PAX_3_CLASSES), c.checkOfFirstRadio) << c.name;
        if (!c.commandsAfterClick.empty()) {
            EXPECT_EQ(getCheckState(dialog, c.focusAfter), kChecked) << c.name;
        }
        emulated::closeDialogForTest(dialog);
        opened_.pop_back();
    }
    // Without a focus the arrows do nothing.
    WindowHandle dialog = open("MainDialog");
    enableControl(dialog, IDC_CHOOSE_AIRCRAFT, false);
    EXPECT_FALSE(emulated::pressKey(dialog, InputKind::down).has_value());
    EXPECT_EQ(emulated::focusedControlId(dialog), 0);
}

TEST_F(EmulatedDialogTest, NestedModalDialogRunsItsOwnLoopInsideTheCommand) {
    WindowHandle main = open("MainDialog");
    script_.nestOn = IDC_CHOOSE_AIRCRAFT;
    script_.endOn = IDC_MANSET_OK;
    script_.endResult = 42;
    frontEnd_.queueClick("ManSetDialog", IDC_NAV_LIGHTS_MDL);
    frontEnd_.queueInput("ManSetDialog", InputEvent::key(InputKind::escape));
    frontEnd_.queueInput("ManSetDialog", InputEvent::key(InputKind::closeBox)); // it has none
    frontEnd_.queueClick("ManSetDialog", IDC_MANSET_OK);

    EXPECT_EQ(emulated::clickControl(main, IDC_CHOOSE_AIRCRAFT), 1);

    EXPECT_EQ(script_.nestedResult, 42);
    EXPECT_EQ(frontEnd_.pendingAnswers(), 0u);
    WindowHandle nested = script_.innermostAtEnd;
    ASSERT_NE(nested, main);
    EXPECT_EQ(commands(nested),
              (std::vector<std::uintptr_t>{IDC_NAV_LIGHTS_MDL, IDCANCEL, IDC_MANSET_OK}));
    EXPECT_EQ(script_.received[2].message, unsigned{WM_INITDIALOG});
    EXPECT_EQ(script_.received[2].lParam, 7);
    EXPECT_EQ(emulated::dialogTemplate(nested), nullptr) << "the nested dialog is gone";
    EXPECT_EQ(emulated::innermostDialog(), main);
    EXPECT_FALSE(emulated::isDialogEnded(main));
}

TEST_F(EmulatedDialogTest, ScriptedFrontEndFailsLoudlyInsteadOfWaitingForever) {
    WindowHandle main = open("MainDialog");
    script_.nestOn = IDC_CHOOSE_AIRCRAFT;
    frontEnd_.queueClick("MainDialog", IDC_QUIT); // queued for the wrong dialog
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter intercept(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        emulated::clickControl(main, IDC_CHOOSE_AIRCRAFT); // wrong dialog
        emulated::clickControl(main, IDC_CHOOSE_AIRCRAFT); // nothing queued
        char buffer[kPathCapacity] = "aircraft.cfg";
        FileOpenRequest request{76, main, buffer, kPathCapacity, nullptr, 0};
        EXPECT_FALSE(requestOpenFile(&request)); // nothing queued
    }
    ASSERT_EQ(failures.size(), 3);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("ManSetDialog"),
              std::string::npos);
    EXPECT_EQ(script_.nestedResult, -1) << "an abandoned dialog ends with -1";
}

TEST_F(EmulatedDialogTest, UnknownTemplateOrMissingFrontEndRunsNothing) {
    EXPECT_EQ(runModalDialog(nullptr, "NoSuchDialog", nullptr, recordingDialogProc, 0), -1);
    EXPECT_EQ(emulated::openDialogForTest("NoSuchDialog", recordingDialogProc), nullptr);
    emulated::setFrontEnd(nullptr);
    EXPECT_EQ(runModalDialog(nullptr, "MainDialog", nullptr, recordingDialogProc, 0), -1);
    EXPECT_TRUE(script_.received.empty());
}

TEST_F(EmulatedDialogTest, SendCommandRunsTheCommandToItsEndBeforeReturning) {
    WindowHandle dialog = open("MainDialog");
    script_.endOn = IDC_QUIT;
    script_.endResult = 3;
    EXPECT_EQ(sendCommand(dialog, IDC_QUIT), 1);
    DialogResult result = 0;
    EXPECT_TRUE(emulated::isDialogEnded(dialog, &result));
    EXPECT_EQ(result, 3);
    EXPECT_FALSE(emulated::clickControl(dialog, IDC_QUIT).has_value()) << "ended: no more input";
}

TEST_F(EmulatedDialogTest, TextsAreKeptRawAndReadWithinTheCallersCapacity) {
    WindowHandle dialog = open("ManSetDialog");
    setControlText(dialog, IDC_NAV_LIGHTS_MDL, "Pratt && Whitney");
    char small[8];
    getControlText(dialog, IDC_NAV_LIGHTS_MDL, small, sizeof small);
    EXPECT_STREQ(small, "Pratt &");
    char whole[64];
    getControlText(dialog, IDC_NAV_LIGHTS_MDL, whole, sizeof whole);
    EXPECT_STREQ(whole, "Pratt && Whitney");
    // Several statics share the id -1; none of them can be addressed.
    const std::string before = dialogSnapshot(dialog);
    setControlText(dialog, IDC_UNADDRESSED, "changed");
    EXPECT_EQ(dialogSnapshot(dialog), before);
}

} // namespace
