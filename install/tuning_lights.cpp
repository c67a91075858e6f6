// The iFDG lights: version 1.5 draws its wing lights with effects, version 1.0 with its model,
// and for an unidentified version the user said which kinds the model lacks.
#include "install/tuning_lights.h"

#include "app/installer_state.h"

// clang-format off
const LightCandidate kIfdgLightCandidates[kIfdgLightCandidateCount] = {
    {"1, -23.26, 0, -9.55, fx_beacon",  LightCondition::always},
    {"3, -34.65, 81.0, 3.1, fx_navgre", LightCondition::navFromEffects},
    {"3, -34.65, -81.0, 3.1, fx_navred", LightCondition::navFromEffects},
    {"1, 0, 0, 10.66, fx_beacon",       LightCondition::always},
    {"4, 93.45, 0, 5.23, fx_vclight",   LightCondition::always},
    {"2, -35.1, 81.6, 3.11, fx_strobe",  LightCondition::strobesFromEffects},
    {"2, -35.1, -81.6, 3.11, fx_strobe", LightCondition::strobesFromEffects},
    {"2, -45.3, 82.15, 3.70, fx_strobe", LightCondition::strobesFromEffects},
    {"2, -45.3, -82.15, 3.70, fx_strobe", LightCondition::strobesFromEffects},
};
// clang-format on

namespace {

bool holds(LightCondition condition, int modelVersion, int wingLightsMode) {
    switch (condition) {
    case LightCondition::always:
        return true;
    case LightCondition::navFromEffects:
        return modelVersion == 2 || (modelVersion == 3 && (wingLightsMode & wingNavFromEffects));
    case LightCondition::strobesFromEffects:
        return modelVersion == 2 ||
               (modelVersion == 3 && (wingLightsMode & wingStrobesFromEffects));
    }
    return false;
}

} // namespace

void appendIfdgLightsSection(PieceBuffer& piece, int modelVersion, int wingLightsMode) {
    appendText(piece, "[lights]\n");
    unsigned number = 0;
    for (const LightCandidate& light : kIfdgLightCandidates) {
        if (holds(light.condition, modelVersion, wingLightsMode)) {
            appendText(piece, "light.");
            appendNumber(piece, number++);
            appendText(piece, " = ");
            appendText(piece, light.text);
            appendText(piece, "\n");
        }
    }
    appendText(piece, "\n");
}
