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

// True once the window's thread has handled every message sent to it before this call:
// a WM_NULL sent with a timeout of kWaitMs. False when the window is gone or hung.
bool answers(HWND window);
// Clicks the button (BM_CLICK) without waiting, then waits until its dialog has handled the
// click or sits in a modal loop that the click opened.
bool click(HWND dialog, int id);
