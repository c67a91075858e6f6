// The emulated dialog manager's Windows rules on the real templates, seen by a logging procedure.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "platform/emulated/dialog_manager.h"
#include "resources/control_ids.h"
#include "tests/support/scripted_front_end.h"

using emulated::InputEvent;
using K = emulated::InputKind;

namespace {

// "#1004 esc enter space up down close tab back": clicks by control id, and keys.
std::vector<InputEvent> inputs(const std::string& text) {
    const std::string keys[] = {"esc", "enter", "space", "up", "down", "close", "tab", "back"};
    const K kinds[] = {K::escape, K::enter,    K::space, K::up,
                       K::down,   K::closeBox, K::tab,   K::backTab};
    std::vector<InputEvent> events;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        events.push_back(word[0] == '#'
                             ? InputEvent::click(std::stoi(word.substr(1)))
                             : InputEvent::key(kinds[std::ranges::find(keys, word) - keys]));
    }
    return events;
}

// Logs each message ("in " inside a nested dialog): a command's id ("+" if its control was
// checked on arrival), "close", "init" and its parameter. Install runs "ManSetDialog" nested with
// parameter 7 and logs its result; Quit and OK end their dialog with 42.
std::string received;
DialogResult PLATFORM_CALLBACK loggingProc(WindowHandle dialog, unsigned message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
    const int id = static_cast<int>(wParam & 0xFFFF);
    received +=
        (emulated::dialogOwner(dialog) != nullptr ? "in " : "") +
        (message == WM_CLOSE     ? "close"
         : message != WM_COMMAND ? "init " + std::to_string(lParam)
                                 : std::to_string(id) + (getCheckState(dialog, id) ? "+" : "")) +
        ", ";
    if (message == WM_COMMAND && id == IDC_INSTALL) {
        received +=
            std::to_string(runModalDialog(nullptr, "ManSetDialog", dialog, loggingProc, 7)) + ", ";
    } else if (message == WM_COMMAND && (id == IDC_QUIT || id == IDC_MANSET_OK)) {
        endDialog(dialog, 42);
    }
    return message == WM_INITDIALOG;
}

TEST(EmulatedDialog, InputFollowsTheWindowsRules) {
    ScriptedFrontEnd frontEnd;
    emulated::setFrontEnd(&frontEnd);
    // What a nested dialog gets: the close box only where the template has one.
    for (const InputEvent& input : inputs("#1020 esc close #1018")) {
        frontEnd.queueInput("ManSetDialog", input);
    }
    // Dialog, a control disabled first (or 0), inputs, what reached the procedure, the focus
    // after each input.
    const std::tuple<const char*, int, const char*, const char*, const char*> cases[] = {
        // A nested modal dialog runs its own loop inside the command.
        {"MainDialog", 0, "#1004", "1004, in init 7, in 1020+, in 2, in 1018, 42, ", "1004 "},
        // Auto buttons change their own checks before their command; Space on a checked radio.
        {"MainDialog", 0, "#1014 #1012 #1010 space #1014", "1014+, 1012+, 1010+, 1010+, 1014, ",
         "1014 1012 1010 1010 1014 "},
        // Disabled (1010), hidden (1013), static and unaddressed controls take no clicks.
        {"MainDialog", 1010, "#1010 #1013 #1003 #-1", "", "1001 1001 1001 1001 "},
        {"MainDialog", 0, "esc", "2, ", "1001 "},
        // Enter: the focused push button, else the default button while it is enabled.
        {"MainDialog", 0, "enter", "1001, ", "1001 "},
        {"MainDialog", 0, "#1005 enter", "1005, 1005, ", "1005 1005 "},
        {"ManSetDialog", 0, "#1021 enter", "1021+, 1018, ", "1021 1021 "},
        {"MainDialog", 1001, "enter down", "", "0 0 "},
        // The close box, unhandled, is a cancel.
        {"MainDialog", 0, "close", "close, 2, ", "1001 "},
        // Arrows walk the group, wrapping, skipping disabled and non-buttons, carrying a check.
        {"MainDialog", 0, "#1007 down", "1007+, 1012+, ", "1007 1012 "},
        {"MainDialog", 0, "#1007 up", "1007+, 1010+, ", "1007 1010 "},
        {"MainDialog", 0, "#1010 down", "1010+, 1007+, ", "1010 1007 "},
        {"MainDialog", 1012, "#1007 down", "1007+, 1008+, ", "1007 1008 "},
        {"MainDialog", 0, "#1006 down", "1006+, ", "1006 1001 "},
        {"MainDialog", 0, "#1014 up", "1014+, ", "1014 1005 "},
        {"MainDialog", 0, "#1015 down", "1015+, ", "1015 1015 "},
        // Tab visits usable tab stops in template order, a radio group once, at its checked button.
        {"MainDialog", 1004, "tab tab", "", "1000 1005 "},
        {"MainDialog", 0, "#1009 tab tab tab tab tab tab tab tab tab", "1009+, ",
         "1009 1015 1001 1000 1004 1005 1014 1006 1009 1015 "},
        {"ManSetDialog", 0, "tab tab #1020 #1023 back back back back", "1020+, 1023+, ",
         "1021 1018 1020 1023 1020 1018 1021 1023 "},
    };
    for (const auto& [name, disabled, keys, expected, focus] : cases) {
        SCOPED_TRACE(keys);
        WindowHandle dialog = emulated::openDialogForTest(name, loggingProc);
        for (const emulated::ControlView& control : emulated::dialogControls(dialog)) {
            enableControl(dialog, control.id, control.id != disabled);
        }
        received.clear();
        std::string focused;
        for (const InputEvent& input : inputs(keys)) {
            emulated::deliverInput(dialog, input);
            focused += std::to_string(emulated::focusedControlId(dialog)) + " ";
        }
        EXPECT_EQ(received, expected);
        EXPECT_EQ(focused, focus);
        EXPECT_EQ(emulated::innermostDialog(), dialog);
        emulated::closeDialogForTest(dialog);
    }
    EXPECT_EQ(frontEnd.pendingAnswers(), 0u);
    emulated::setFrontEnd(nullptr);
}

} // namespace
