// What the emulated dialog manager offers beyond platform.h: read access to live dialogs for
// front ends and tests, and a way for tests to open a dialog without a blocking loop and drive
// it input by input.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/emulated/front_end.h"
#include "resources/dialog_templates.h"

namespace emulated {

// One control of a live dialog as it stands now.
struct ControlView {
    const ControlTemplate* layout; // kind, position and look, from the template
    int id;
    std::string text; // raw text: a static's "&&" is still doubled here
    bool enabled;
    bool visible;
    unsigned checkState; // BST_* for check boxes and radio buttons, else 0
    bool focused;
};

// The innermost open dialog (the one that takes input), or null.
WindowHandle innermostDialog();
// The template a live dialog was built from; null for a handle that is not a live dialog.
const DialogTemplate* dialogTemplate(WindowHandle dialog);
std::string dialogTitle(WindowHandle dialog);
WindowHandle dialogOwner(WindowHandle dialog);
// Every control in template order (the order that is also the tab order).
std::vector<ControlView> dialogControls(WindowHandle dialog);
// The first control with that id; nothing for id -1 or an unknown id.
std::optional<ControlView> controlView(WindowHandle dialog, int id);
// Id of the control with the keyboard focus, or 0 when none has it.
int focusedControlId(WindowHandle dialog);

// --- Tests only ---------------------------------------------------------------------------

// Builds the dialog, sends WM_INITDIALOG (lParam = param) and returns at once; input is then
// given with deliverInput. Null when the template is unknown. Nested runModalDialog calls made
// from its commands run real loops that take their input from the front end.
WindowHandle openDialogForTest(const char* templateName, DialogProc proc,
                               ModuleHandle module = nullptr, std::intptr_t param = 0);
// The same from a template that is not one of the installer's own.
WindowHandle openDialogForTest(const DialogTemplate& layout, DialogProc proc,
                               ModuleHandle module = nullptr, std::intptr_t param = 0);
// Removes a dialog opened with openDialogForTest (ended or not).
void closeDialogForTest(WindowHandle dialog);

// Applies one input as the modal loop would. Returns what the dialog procedure returned for the
// message the input produced, or nothing when no message reached it (a click on a disabled,
// hidden or static control, focus moves, an ended dialog).
std::optional<DialogResult> deliverInput(WindowHandle dialog, InputEvent input);
inline std::optional<DialogResult> clickControl(WindowHandle dialog, int id) {
    return deliverInput(dialog, InputEvent::click(id));
}
inline std::optional<DialogResult> pressKey(WindowHandle dialog, InputKind key) {
    return deliverInput(dialog, InputEvent::key(key));
}
inline std::optional<DialogResult> pressCloseBox(WindowHandle dialog) {
    return deliverInput(dialog, InputEvent::key(InputKind::closeBox));
}
// True once endDialog was called for the dialog; its result then goes to *result (if given).
bool isDialogEnded(WindowHandle dialog, DialogResult* result = nullptr);

} // namespace emulated
