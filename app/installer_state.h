// The process-wide state record of the installer: paths, the file-open request, the results of
// the identification and the option flags. Static, zero at start, never reset; each command
// overwrites only the fields it sets.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Result of the identification.
enum ModelKind : std::int32_t {
    modelNotSupported = 0,
    modelIdentifying = 1, // only while the identification runs: "md11", .air not yet measured
    modelCorvane = 2,
    modelIfdg = 3,
    modelOverland = 4,
    modelAlreadyInstalled = 99,
};

enum AircraftVariant : std::int32_t {
    variantNotSet = 0,
    variantPax = 1,
    variantCombi = 2,
    variantCargo = 3,
};

enum EngineVariant : std::int32_t {
    enginesNotSet = 0,
    enginesGeneralElectric = 1,
    enginesPrattWhitney = 2,
};

// Bit 0: wing navigation lights from effects; bit 1: wing strobe lights from effects.
enum WingLightsMode : std::int32_t {
    wingLightsFromModel = 0,
    wingNavFromEffects = 1,
    wingStrobesFromEffects = 2,
    wingNavAndStrobesFromEffects = 3,
};

struct InstallerState {
    ModuleHandle appInstance;
    char startDirectory[kPathCapacity]; // always ends in a backslash once initialised
    FileOpenRequest openFileRequest;
    char aircraftCfgPath[kPathCapacity];
    char previousCfgPath[kPathCapacity];
    std::int32_t reuseLastChoice;
    std::int32_t fileChosen;
    std::int32_t soundPackagePresent;
    std::int32_t installEngineSounds;
    std::int32_t realisticBrakes;
    char simName[kPathCapacity];
    std::int32_t modelVersion; // 1 = version 1.0, 2 = version 1.5, 3 = unidentified
    std::int32_t modelKind;    // ModelKind
    std::int32_t aircraftVariant;
    std::int32_t engineVariant;
    std::int32_t wingLightsMode;
    std::int32_t foldAndHookCommands;
};

// The one record. Tests reset it with resetInstallerStateForTest between cases.
extern InstallerState installerState;

// Puts the record back to its zero start state (tests only; the program never resets it).
void resetInstallerStateForTest();
