// The aircraft configuration scanner: decides whether an aircraft.cfg describes one aircraft
// family that the installer can modify.
#pragma once

#include "analysis/result_codes.h"

// Reads the aircraft.cfg at cfgPath once from the top; callers pass the aircraftCfgPath field,
// beside which the model folders are looked for. Returns 0 when every aircraft section of the
// leading run of [fltsim.x] sections agrees on sim=, model= (equal or compatible), an empty panel=
// and ui_type=; else openFailed, lineTooLong (also for a sim=, model= or ui_type= value longer than
// its field), ioFailure, endOfFile (a key never found), simMismatch, modelMismatch,
// panelNotEmpty, uiTypeMismatch or modelFileMissing. Empties installerState.simName before
// opening and leaves the first sim= value there; sets installerState.modelVersion only on
// success with the sim "MD-11". The file is closed before returning.
ResultCode scanAircraftConfig(const char* cfgPath);
