// The model-file check: the model folder named by a model= value, its .mdl file and the model
// version that the file's size tells.
#pragma once

#include <cstddef>

#include "analysis/result_codes.h"

// Model values and model-file names are held in fields of this many characters.
constexpr std::size_t kModelNameCapacity = 128;

// Version classes of the iFDG model, as kept in installerState.modelVersion.
enum ModelVersionClass : int {
    modelVersion10 = 1,
    modelVersion15 = 2,
    modelVersionUnidentified = 3,
};

// Looks in the aircraft folder of installerState.aircraftCfgPath for the entry "model." +
// modelValue (trailing dots and blanks dropped as Windows does, so "model" for an empty value)
// or, with no value, the first entry whose name begins
// with "model"; that entry must be a folder, and its first "*.mdl" entry a file. Copies the
// file's name as stored into modelFileName and, when modelClass is given, its version class.
// Returns 0, or modelFileMissing when any of these is missing, when the file's name does not
// fit modelFileName, or when a path does not fit a path field (then nothing is searched).
ResultCode findModelFile(const char* modelValue, char (&modelFileName)[kModelNameCapacity],
                         int* modelClass);
