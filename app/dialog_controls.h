// Small control helpers the command handlers share.
#pragma once

#include "platform/platform.h"

// A check box or radio button counts as checked when its state masked with 3 is non-zero
// (checked or indeterminate).
bool isButtonChecked(WindowHandle dialog, int id);

// Appends text directly (no separator) to the status text 1003, within its 1024 characters.
void appendStatusText(WindowHandle dialog, const char* text);

// Shows an error box owned by the dialog with the installer's caption and style.
void showError(WindowHandle dialog, const char* message);
