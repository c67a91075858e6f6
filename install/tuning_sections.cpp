// The flight-model sections: the pieces of the identified family, in order, one write each.
#include "install/tuning_sections.h"

#include <initializer_list>

#include "app/installer_state.h"
#include "install/piece_buffer.h"
#include "install/tuning_lights.h"
#include "install/tuning_texts.h"
#include "install/tuning_texts_common.h"
#include "install/tuning_texts_shared.h"
#include "install/tuning_weights.h"

namespace {

// Skips null pieces (a piece whose condition does not hold) and stops at the first failed write.
ResultCode writePieces(TextFile* out, std::initializer_list<const char*> pieces) {
    for (const char* piece : pieces) {
        if (piece != nullptr && !writeText(out, piece)) {
            return ioFailure;
        }
    }
    return resultOk;
}

const char* toeBrakesLine() {
    return installerState.realisticBrakes != 0 ? kToeBrakesRealistic : kToeBrakesStandard;
}

// The Corvane and Overland families: one configuration each, so only the brakes vary.
ResultCode writeSingleConfiguration(TextFile* out, const char* beforeWeights,
                                    const WeightsRow& weights, const char* afterWeights,
                                    const char* afterToeBrakes) {
    PieceBuffer first;
    appendText(first, beforeWeights);
    appendWeightsLines(first, weights);
    appendText(first, afterWeights);
    return writePieces(out, {first.text, toeBrakesLine(), afterToeBrakes});
}

ResultCode writeIfdg(TextFile* out) {
    const InstallerState& state = installerState;
    // Out-of-range codes fall back to PAX and GE, as the identification does when unsure.
    int variant = state.aircraftVariant >= variantPax && state.aircraftVariant <= variantCargo
                      ? state.aircraftVariant
                      : variantPax;
    bool prattWhitney = state.engineVariant == enginesPrattWhitney;
    bool foldAndHook =
        state.modelVersion == 2 || (state.modelVersion == 3 && state.foldAndHookCommands != 0);

    PieceBuffer weights;
    appendWeightsLines(weights, kIfdgWeights[variant - 1][prattWhitney ? 1 : 0]);
    PieceBuffer lights;
    appendIfdgLightsSection(lights, state.modelVersion, state.wingLightsMode);
    appendText(lights, kGeneralEngineHead);

    return writePieces(out,
                       {kFlightTuningThenWeightsHeader, weights.text, lights.text, kFuelFlowLine,
                        kIfdgEnginesToTurbineHead, prattWhitney ? kStaticThrustPw : kStaticThrustGe,
                        kIfdgAfterStaticThrust, toeBrakesLine(), kIfdgAfterToeBrakes,
                        foldAndHook ? kIfdgFoldAndHook : nullptr, kIfdgSmokeAndEffects});
}

} // namespace

ResultCode writeTuningSections(TextFile* out) {
    switch (installerState.modelKind) {
    case modelCorvane:
        return writeSingleConfiguration(out, kWeightsHeaderCorvane, kCorvaneWeights,
                                        kCorvaneAfterWeights, kCorvaneAfterToeBrakes);
    case modelIfdg:
        return writeIfdg(out);
    case modelOverland:
        return writeSingleConfiguration(out, kFlightTuningThenWeightsHeader, kOverlandWeights,
                                        kOverlandAfterWeights, kOverlandAfterToeBrakes);
    default:
        return resultOk;
    }
}
