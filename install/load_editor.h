// The load editor: Trimdesk.exe and the files of the chosen cabin layout.
#pragma once

#include "platform/platform.h"

// Copies startDirectory + "trimdesk_res\" Trimdesk.exe and, for the checked layout button,
// Trimdesk-<token>.ini (as Trimdesk.ini), TD-MD11-<token>.ini and TD-MD11-<token>.bmp into
// aircraftFolder. Reports nothing: a copy that cannot take place is skipped.
void installTrimdesk(WindowHandle dialog, const char* aircraftFolder);
