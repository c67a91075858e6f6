// The main dialog: its procedure, its initialisation and its command dispatch.
#pragma once

#include "platform/platform.h"

// Returns 1 for the messages it handles (WM_CLOSE, WM_INITDIALOG, the commands 1000, 1001,
// 1004, 1005 and 1013), 0 for everything else.
DialogResult PLATFORM_CALLBACK mainDialogProc(WindowHandle dialog, unsigned message,
                                              std::uintptr_t wParam, std::intptr_t lParam);
