// The load editor: Trimdesk.exe and the files of the chosen cabin layout.
#pragma once

#include <cstddef>

#include "platform/platform.h"

// The resource folder beside the installer that holds the load editor's files.
inline constexpr const char* kTrimdeskResources = "trimdesk_res\\";

// One copy from the resource folder into the aircraft folder.
struct TrimdeskCopy {
    const char* source; // in kTrimdeskResources
    const char* target; // in the aircraft folder
};
// Trimdesk.exe, and three files for each of the six layout buttons.
constexpr std::size_t kMostTrimdeskCopies = 1 + 3 * 6;

// The copies installTrimdesk makes, in order, for the layout buttons checked in the dialog.
// Returns how many there are.
std::size_t trimdeskCopies(WindowHandle dialog, TrimdeskCopy (&copies)[kMostTrimdeskCopies]);

// Copies startDirectory + "trimdesk_res\" Trimdesk.exe and, for the checked layout button,
// Trimdesk-<token>.ini (as Trimdesk.ini), TD-MD11-<token>.ini and TD-MD11-<token>.bmp into
// aircraftFolder. Reports nothing: a copy that cannot take place is skipped.
void installTrimdesk(WindowHandle dialog, const char* aircraftFolder);
