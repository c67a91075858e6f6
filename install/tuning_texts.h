// The constant pieces of the flight-model sections that the writer emits, one write each. A
// piece may end with a header line alone or begin inside a section; with the lines the writer
// composes or chooses between them, a family's pieces form whole sections.
#pragma once

// Corvane family: the weights section comes first and is composed; then these.
extern const char* const kCorvaneAfterWeights;   // [fuel] .. [flight_tuning], "[brakes]" header
extern const char* const kCorvaneAfterToeBrakes; // rest of [brakes] .. [stall_warning]

// iFDG and Overland families: the output starts with [flight_tuning] and the weights header.
extern const char* const kFlightTuningThenWeightsHeader;

// iFDG family, after its composed weights lines and lights section, the [GeneralEngineData]
// header and first line and its fuel-flow line.
extern const char* const kIfdgEnginesToTurbineHead; // engine lines .. [TurbineEngineData] head
extern const char* const kIfdgAfterStaticThrust;    // rest of [TurbineEngineData] .. "[brakes]"
extern const char* const kIfdgAfterToeBrakes;       // rest of [brakes] .. [exits]
extern const char* const kIfdgFoldAndHook;          // [folding_wings], [TailHook]
extern const char* const kIfdgSmokeAndEffects;      // [SMOKESYSTEM], [EFFECTS]

// Overland family: after its composed weights lines.
extern const char* const kOverlandAfterWeights;   // [lights] .. [pitot_static], "[brakes]"
extern const char* const kOverlandAfterToeBrakes; // rest of [brakes] .. [EFFECTS]
