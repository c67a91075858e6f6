// The emulated dialog manager's own records: one live dialog per open template, with its control
// table, focus and end state. Internal to platform/emulated/.
#pragma once

#include <string>
#include <vector>

#include "platform/emulated/front_end.h"
#include "resources/dialog_templates.h"

namespace emulated::detail {

constexpr int kNoFocus = -1;

struct LiveControl {
    const ControlTemplate* layout;
    std::string text;
    bool enabled;
    bool visible;
    unsigned checkState;
    std::size_t groupStart; // index of the control that starts its group
    // WS_TABSTOP as it stands now: a radio button gains it when checked and loses it when
    // unchecked, as the Windows button control does, so its group is reached by Tab.
    bool tabStop;
};

struct LiveDialog {
    const DialogTemplate* layout;
    ModuleHandle module;
    WindowHandle owner;
    DialogProc proc;
    std::string title;
    std::vector<LiveControl> controls;
    int focus = kNoFocus; // index into controls
    bool opened = false;  // WM_INITDIALOG has run; the front end hears of changes from now on
    bool ended = false;
    DialogResult result = 0;
};

// Builds and registers a dialog from its template; the registry owns it.
LiveDialog& createDialog(const DialogTemplate& layout, ModuleHandle module, WindowHandle owner,
                         DialogProc proc);
// Tells the front end and removes the dialog from the registry.
void destroyDialog(LiveDialog& dialog);
// The live dialog behind a handle, or null when the handle is not one.
LiveDialog* findDialog(WindowHandle handle);
WindowHandle handleOf(LiveDialog& dialog);
LiveDialog* innermost();

// Index of the first control with that id, or -1 (always for the unaddressed id -1).
int findControl(const LiveDialog& dialog, int id);
bool isUsable(const LiveControl& control);     // visible and enabled
bool isButtonLike(const LiveControl& control); // push buttons, check boxes, radio buttons

// Sends WM_INITDIALOG and, when the procedure returns nonzero, focuses the first tab stop.
void initialiseDialog(LiveDialog& dialog, std::intptr_t param);
DialogResult callProc(LiveDialog& dialog, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam);
DialogResult sendCommandTo(LiveDialog& dialog, int id);
// Focus to the next (forward) or previous tab stop, wrapping; stays when there is none.
void moveFocus(LiveDialog& dialog, bool forward);
// Drops the focus when its control can no longer take it.
void dropFocusIfUnusable(LiveDialog& dialog);
void notifyChanged(LiveDialog& dialog);
// Sets a radio button's or check box's state; a radio button's tab stop follows its check.
void storeCheckState(LiveControl& control, unsigned state);

} // namespace emulated::detail
