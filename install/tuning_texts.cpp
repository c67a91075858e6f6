// The piece that the iFDG and Overland families both begin with.
#include "install/tuning_texts.h"
#include "install/text_join.h"
#include "install/tuning_texts_common.h"
#include "install/tuning_weights.h"

namespace {

constexpr auto flightTuningThenWeightsHeader =
    joinTexts(joinSections(kFlightTuning), kWeightsHeader);

} // namespace

const char* const kFlightTuningThenWeightsHeader = flightTuningThenWeightsHeader.text;
