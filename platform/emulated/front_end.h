// The front end of the emulated dialog manager: where user input comes from and where message
// boxes, beeps and the file-open request go. The terminal and the scripted (test) front ends
// implement it.
#pragma once

#include "platform/platform.h"

namespace emulated {

// What the user did to a dialog.
enum class InputKind {
    click,    // a mouse click on controlId
    escape,   // sends IDCANCEL
    enter,    // the focused push button, else the default button
    space,    // presses the focused button, check box or radio button
    tab,      // focus to the next tab stop
    backTab,  // focus to the previous tab stop (Shift-Tab)
    up,       // arrow up or left: the previous button of the focused control's group
    down,     // arrow down or right: the next button of the focused control's group
    closeBox, // the title bar's close box (only where the template has one)
    abandon,  // no more input can come: the dialog ends with -1 without its procedure
};

struct InputEvent {
    InputKind kind;
    int controlId = 0; // for click only

    static InputEvent click(int id) { return {InputKind::click, id}; }
    static InputEvent key(InputKind kind) { return {kind, 0}; }
};

class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // The next input for `dialog`, the innermost open dialog. Called again and again until the
    // dialog has ended; return InputKind::abandon rather than block forever.
    virtual InputEvent nextInput(WindowHandle dialog) = 0;
    // A modal message box (owner may be null). Returns the id of the button that closed it.
    virtual int showMessageBox(WindowHandle owner, const char* text, const char* caption,
                               unsigned style) = 0;
    virtual void beep(unsigned type) = 0;
    // Writes the chosen full path (Windows form) into request.fileBuffer, within
    // request.fileBufferSize; false when cancelled or when it does not fit.
    virtual bool requestOpenFile(FileOpenRequest& request) = 0;

    // Redraw hints. A dialog is "opened" once WM_INITDIALOG has run; "changed" follows every
    // change of its title, a control or the focus; "closed" comes just before it goes away.
    virtual void dialogOpened(WindowHandle /*dialog*/) {}
    virtual void dialogChanged(WindowHandle /*dialog*/) {}
    virtual void dialogClosed(WindowHandle /*dialog*/) {}
};

// Installs the front end every dialog, message box, beep and file-open request uses from now
// on (null removes it). The caller keeps ownership. Without a front end, runModalDialog returns
// -1, message boxes return IDOK, beeps are silent and file-open requests fail.
void setFrontEnd(FrontEnd* frontEnd);
FrontEnd* activeFrontEnd();

} // namespace emulated
