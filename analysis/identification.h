// The identification of an accepted aircraft: model family, version, type and engines, shown in
// the dialog with exactly the controls that fit.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// modelKind from simName and, for "md11" and "MD-11", the size of the flight-dynamics file
// aircraft folder + simName + ".air". Never leaves the passing value 1 behind.
std::int32_t identifyModelKind();

// Sets modelKind, writes the status text 1003 and enables the controls for the kind found. Runs
// the manual settings dialog for an iFDG model of unidentified version.
void showIdentification(WindowHandle dialog);
