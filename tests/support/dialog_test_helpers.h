// Small helpers for tests of dialogs: a before/after snapshot and a recognisable module handle.
#pragma once

#include <string>

#include "platform/platform.h"

// Everything of a dialog that input can change (title, every control's text, enabled, visible
// and, if asked, check state and focus) as one text, for before/after comparisons.
std::string dialogSnapshot(WindowHandle dialog, bool withCheckStates = true, bool withFocus = true);

// A module handle that no real module has, to see it come back from windowModule.
ModuleHandle testModule();
