// The emulated dialog manager's Windows rules on the real templates, seen by a logging procedure.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/emulated/dialog_manager.h"
#include "resources/control_ids.h"
#include "tests/support/scripted_front_end.h"

using emulated::InputEvent;
using K = emulated::InputKind;
using Ids = std::vector<int>;
using Log = std::vector<std::string>;
constexpr auto click = InputEvent::click;
constexpr auto key = InputEvent::key;

namespace {

// Logs a command's id, "+" if its control was checked on arrival, "in " inside a nested dialog.
// Install runs "ManSetDialog" nested with parameter 7; Quit and OK end their dialog with 42.
Log received;
DialogResult nestedResult = 0;

DialogResult PLATFORM_CALLBACK loggingProc(WindowHandle dialog, unsigned message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
    const int id = static_cast<int>(wParam & 0xFFFF);
    const std::string in = emulated::dialogOwner(dialog) != nullptr ? "in " : "";
    if (message != WM_COMMAND) {
        received.push_back(in + (message == WM_CLOSE ? "close" : "init " + std::to_string(lParam)));
        return message == WM_CLOSE ? 0 : 1;
    }
    received.push_back(in + std::to_string(id) + (getCheckState(dialog, id) ? "+" : ""));
    if (id == IDC_INSTALL) {
        nestedResult = runModalDialog(nullptr, "ManSetDialog", dialog, loggingProc, 7);
    } else if (id == IDC_QUIT || id == IDC_MANSET_OK) {
        endDialog(dialog, 42);
    }
    return 0;
}

class EmulatedDialogTest : public ::testing::Test {
protected:
    void SetUp() override { emulated::setFrontEnd(&frontEnd_); }
    void TearDown() override {
        std::ranges::for_each(opened_, emulated::closeDialogForTest);
        emulated::setFrontEnd(nullptr);
        received.clear();
    }
    // Opens the dialog with every control enabled (or as the template has them), log emptied.
    WindowHandle open(const char* name, bool enableAll = true) {
        WindowHandle dialog = opened_.emplace_back(emulated::openDialogForTest(name, loggingProc));
        for (const emulated::ControlView& control : emulated::dialogControls(dialog)) {
            enableControl(dialog, control.id, enableAll || !control.layout->disabled);
        }
        received.clear();
        return dialog;
    }

    ScriptedFrontEnd frontEnd_;
    std::vector<WindowHandle> opened_;
};

TEST_F(EmulatedDialogTest, InputFollowsTheWindowsRules) {
    // Dialog, a control disabled first (or 0), inputs, what reached the procedure, focus after.
    const std::tuple<const char*, int, std::vector<InputEvent>, Log, int> cases[] = {
        // Auto buttons change their own checks before their command; Space on a checked radio.
        {"MainDialog",
         0,
         {click(1014), click(1012), click(1010), key(K::space), click(1014)},
         {"1014+", "1012+", "1010+", "1010+", "1014"},
         1014},
        // Disabled (1010), hidden (1013), static and unaddressed controls take no clicks.
        {"MainDialog", 1010, {click(1010), click(1013), click(1003), click(-1)}, {}, 1001},
        {"MainDialog", 0, {key(K::escape)}, {"2"}, 1001},
        // Enter: the focused push button, else the default button while it is enabled.
        {"MainDialog", 0, {key(K::enter)}, {"1001"}, 1001},
        {"MainDialog", 0, {click(1005), key(K::enter)}, {"1005", "1005"}, 1005},
        {"ManSetDialog", 0, {click(1021), key(K::enter)}, {"1021+", "1018"}, 1021},
        {"MainDialog", 1001, {key(K::enter), key(K::down)}, {}, 0},
        // The close box only where the template has one (see the nested test); unhandled, a cancel.
        {"MainDialog", 0, {key(K::closeBox)}, {"close", "2"}, 1001},
        // Arrows walk the group, wrapping, skipping disabled and non-buttons, carrying a check.
        {"MainDialog", 0, {click(1007), key(K::down)}, {"1007+", "1012+"}, 1012},
        {"MainDialog", 0, {click(1007), key(K::up)}, {"1007+", "1010+"}, 1010},
        {"MainDialog", 0, {click(1010), key(K::down)}, {"1010+", "1007+"}, 1007},
        {"MainDialog", 1012, {click(1007), key(K::down)}, {"1007+", "1008+"}, 1008},
        {"MainDialog", 0, {click(1006), key(K::down)}, {"1006+"}, 1001},
        {"MainDialog", 0, {click(1014), key(K::up)}, {"1014+"}, 1005},
        {"MainDialog", 0, {click(1015), key(K::down)}, {"1015+"}, 1015},
    };
    for (const auto& row : cases) {
        const auto& [name, disabled, inputs, expected, focus] = row;
        WindowHandle dialog = open(name);
        enableControl(dialog, disabled, false);
        for (const InputEvent& input : inputs) {
            emulated::deliverInput(dialog, input);
        }
        EXPECT_EQ(received, expected) << "row " << &row - cases;
        EXPECT_EQ(emulated::focusedControlId(dialog), focus) << "row " << &row - cases;
    }
}

TEST_F(EmulatedDialogTest, TabVisitsUsableTabStopsInTemplateOrderAndARadioGroupOnce) {
    const auto walk = [](WindowHandle dialog, K key, int steps) {
        Ids ids;
        while (steps-- > 0) {
            emulated::pressKey(dialog, key);
            ids.push_back(emulated::focusedControlId(dialog));
        }
        return ids;
    };
    EXPECT_EQ(walk(open("MainDialog", false), K::tab, 2), (Ids{IDC_QUIT, IDC_CHOOSE_AIRCRAFT}));
    WindowHandle dialog = open("MainDialog");
    showControl(dialog, IDC_CHOOSE_SAME, SW_SHOW);
    setCheckState(dialog, IDC_COMBI_2_CLASSES, BST_CHECKED);
    EXPECT_EQ(walk(dialog, K::tab, 9),
              (Ids{IDC_QUIT, IDC_INSTALL, IDC_UNINSTALL, IDC_REALISTIC_BRAKES, IDC_TRIMDESK,
                   IDC_COMBI_2_CLASSES, IDC_CHOOSE_SAME, IDC_ENGINE_SOUNDS, IDC_CHOOSE_AIRCRAFT}));
    WindowHandle manual = open("ManSetDialog");
    EXPECT_EQ(walk(manual, K::tab, 2), (Ids{IDC_FOLD_AND_HOOK, IDC_MANSET_OK}));
    emulated::clickControl(manual, IDC_NAV_LIGHTS_MDL); // a check makes its group a tab stop
    emulated::clickControl(manual, IDC_STROBE_LIGHTS_FX);
    EXPECT_EQ(walk(manual, K::backTab, 4),
              (Ids{IDC_NAV_LIGHTS_MDL, IDC_MANSET_OK, IDC_FOLD_AND_HOOK, IDC_STROBE_LIGHTS_FX}));
}

TEST_F(EmulatedDialogTest, NestedModalDialogRunsItsOwnLoopInsideTheCommand) {
    WindowHandle main = open("MainDialog");
    for (InputEvent input :
         {click(IDC_NAV_LIGHTS_MDL), key(K::escape), key(K::closeBox), click(IDC_MANSET_OK)}) {
        frontEnd_.queueInput("ManSetDialog", input);
    }
    EXPECT_EQ(emulated::clickControl(main, IDC_INSTALL), 0);
    EXPECT_EQ(received, (Log{"1004", "in init 7", "in 1020+", "in 2", "in 1018"}));
    EXPECT_EQ(nestedResult, 42);
    EXPECT_EQ(frontEnd_.pendingAnswers(), 0u);
    EXPECT_EQ(emulated::innermostDialog(), main) << "the nested dialog is gone";
    EXPECT_FALSE(emulated::isDialogEnded(main));
}

} // namespace
