// The command handlers that the main dialog dispatches to. Each runs to its end, shows its own
// message boxes and leaves its results in the state record and the dialog's controls.
#pragma once

#include "platform/platform.h"

// "Choose MD-11 aircraft" (1001), also run by "Choose same".
void chooseAircraft(WindowHandle dialog);
// "Install" (1004).
void installPanel(WindowHandle dialog);
// "Uninstall" (1005).
void uninstallPanel(WindowHandle dialog);
