// A dialog procedure for tests of the dialog manager and its front ends: it records every
// message it gets and follows a small script (end on a command, open a nested dialog).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

struct ReceivedMessage {
    WindowHandle dialog;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    unsigned ownCheckState; // for a command: the check state of the control named by it
};

struct DialogScript {
    DialogResult initResult = 1;
    bool handleClose = true;
    int endOn = 0; // this command ends its dialog with endResult
    DialogResult endResult = 0;
    int nestOn = 0; // this command runs "ManSetDialog" nested, owned by its dialog, parameter 7
    DialogResult nestedResult = 0;         // what that nested run returned
    WindowHandle innermostAtEnd = nullptr; // the innermost dialog when endOn came

    std::vector<ReceivedMessage> received;
    // The commands received (wParam values), only those of `of` unless it is null.
    std::vector<std::uintptr_t> commands(WindowHandle of = nullptr) const;
    std::vector<unsigned> messages() const;
};

// The script recordingDialogProc follows and records into; null when none.
void setDialogScript(DialogScript* script);

DialogResult PLATFORM_CALLBACK recordingDialogProc(WindowHandle dialog, unsigned message,
                                                   std::uintptr_t wParam, std::intptr_t lParam);
