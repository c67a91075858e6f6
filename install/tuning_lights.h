// The iFDG family's lights section: candidate lights, each written when its condition holds.
#pragma once

#include "install/piece_buffer.h"

enum class LightCondition {
    always,
    navFromEffects,     // wing navigation lights drawn by the simulator's effects
    strobesFromEffects, // wing strobe lights drawn by the simulator's effects
};

struct LightCandidate {
    const char* text; // the light's values, after "light.N = "
    LightCondition condition;
};

constexpr unsigned kIfdgLightCandidateCount = 9;
extern const LightCandidate kIfdgLightCandidates[kIfdgLightCandidateCount];

// Appends "[lights]", the candidates whose condition holds for this model version (1, 2 or 3)
// and wing-lights mode (read only for version 3), numbered from 0 in that order, and the blank
// line that closes the section.
void appendIfdgLightsSection(PieceBuffer& piece, int modelVersion, int wingLightsMode);
