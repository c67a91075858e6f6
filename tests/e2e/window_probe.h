// Reading and working another process's dialog through window messages, as user input would.
#pragma once

#include <windows.h>

#include <string>

// The control's text (GetWindowText), empty when there is no such control.
std::string controlText(HWND dialog, int id);
// BM_GETCHECK masked with 3 is non-zero.
bool isChecked(HWND dialog, int id);
// The window that has the keyboard focus in the dialog's thread, or null.
HWND focusedWindow(HWND dialog);
// True once `control` has the focus in its dialog's thread, false after kWaitMs.
bool waitForFocus(HWND dialog, HWND control);
// Posts the key's press and release to `window`, as the keyboard would; handled later, in order
// with other posted input.
bool pressKey(HWND window, WPARAM key);

// True once the window's thread has handled every message sent to it before this call:
// a WM_NULL sent with a timeout of kWaitMs. False when the window is gone or hung.
bool answers(HWND window);
// Clicks the button (BM_CLICK) without waiting, then waits until its dialog has handled the
// click or sits in a modal loop that the click opened.
bool click(HWND dialog, int id);
// True once the window is destroyed, false when it still exists after kWaitMs. A modal dialog
// is hidden as soon as it is ended but destroyed only after its loop has stopped, and until then
// its thread still answers probes from inside that loop: wait for this before probing the
// dialog beneath it.
bool waitUntilDestroyed(HWND window);

// A message box keeps its text in the static with this id. The manual settings dialog's
// unaddressed statics are -1, the same value in a 16-bit id; under 64-bit Wine they keep -1 and
// GetDlgItem tells the two apart, but a 16-bit view of the ids would not.
constexpr int kMessageBoxText = 0xFFFF;
// A message box: it has the text static and an OK button and none of the manual settings
// dialog's controls, whose OK button is 1018.
bool isMessageBox(HWND window);
// The number of visible push buttons among the window's children.
int visibleButtons(HWND window);

// The name box of the file-open dialog. Wine's dialog has no edt1: its name box is cmb13, a
// ComboBoxEx whose combo box and edit carry the same id. Its text is read and written with
// WM_GETTEXT and WM_SETTEXT, since GetWindowText of another process's window reads only the
// window title, which the ComboBoxEx does not keep.
std::string fileDialogName(HWND fileDialog);
// Types `path` into the name box and presses Open (IDOK, which its toolbar has as id too; the
// button comes first among the children, so GetDlgItem finds it); true once the file dialog is
// destroyed.
bool openInFileDialog(HWND fileDialog, const std::string& path);
