// The program entry shared by Install.exe and the native program.
#pragma once

#include "platform/platform.h"

// Refuses a second running copy (returns 0), otherwise runs the main dialog and returns 1 when
// it has ended.
int runInstaller(ModuleHandle module);
