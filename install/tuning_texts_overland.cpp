// The Overland family's own section forms and its constant pieces.
#include "install/piece_buffer.h"
#include "install/text_join.h"
#include "install/tuning_texts.h"
#include "install/tuning_texts_common.h"
#include "install/tuning_texts_shared.h"

namespace {

constexpr char kLightsOverland[] = R"([lights]
light.0 = 1, 11.30, 0.00, 10.00, fx_beaconb
light.1 = 1, 11.30, 0.00, 10.00, fx_beaconb
light.2 = 1,-38.00, 0.00,-10.20, fx_beaconh
light.3 = 1,-38.00, 0.00,-10.20, fx_beaconh
light.4 = 5, 28.48, 9.94, -0.42, fx_navwhi
light.5 = 5, 28.48,-9.94, -0.42, fx_navwhi
light.6 = 5, 30.48, 9.36, -3.52, fx_navwhi
light.7 = 5, 30.48,-9.36, -3.52, fx_navwhi
light.8 = 9, 85.56, 8.32, -4.40, fx_LDNGY
light.9 = 9, 85.56,-8.32, -4.40, fx_LDNGY
)";

constexpr char kContactPointsOverland[] = R"([contact_points]
static_pitch = -0.16
static_cg_height = 14.8
max_number_of_points = 8
point.0 = 1, 73.0771, 0, -17.78, 1181.1, 0, 2.22, 70, 1.43, 2, 0.8235, 7, 8, 0, 185, 250
point.1 = 1, -8.875, -18, -17.8, 1574.8, 1, 2.52, 0, 1.21, 2.8, 0.8470, 8.1, 10.1, 2, 185, 250
point.2 = 1, -9.4062, 0, -17.8, 1574.8, 0, 2.52, 0, 1.21, 2.8, 0.847, 8.1, 10.1, 0, 185, 250
point.3 = 1, -8.875, 18, -17.8, 1574.8, 2, 2.52, 0, 1.21, 2.8, 0.8470, 8.1, 10.1, 3, 185, 250
point.4 = 2, -14.17, -84.80, -2.2, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0
point.5 = 2, -14.17, 84.80, -2.2, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0
point.6 = 2, -83.33, 0, 0.3, 787.4, 0, 0,  0, 0, 0, 0, 0, 0, 9, 0, 0
point.7 = 2, 96.67, 0, -5.95, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0
gear_system_type=0
)";

constexpr char kFoldingWingsOverland[] = R"([folding_wings]
wing_fold_system_type=4
fold_rates=0.12,0.11
)";

constexpr char kTailHookOverland[] = R"([TailHook]
tailhook_length=4
tailhook_position=-15.0,0.0,-1.0
cable_force_adjust=0.0
)";

constexpr char kSmokeOverland[] = R"([SMOKESYSTEM]
smoke.0=0.00, -36.2, 59.64, fx_QZ_MD11_flap
smoke.1=0.00, -36.2, -59.64, fx_QZ_MD11_flap
smoke.2=0.00, -47.51, 83.70, fx_QZ_MD11_wingtip
smoke.3=0.00, -47.51, -83.70, fx_QZ_MD11_wingtip
)";

constexpr auto afterWeights = joinTexts(
    joinSections(kLightsOverland, joinTexts(kGeneralEngineHead, kFuelFlowLine, kGeneralEngineTail),
                 kFuel, kContactPointsOverland, kKeyboardResponse, kForceFeedback,
                 kAirplaneGeometry, kElectrical, kFlaps0, kFlaps1, kFlaps2,
                 joinTexts(kTurbineEngineHead, kStaticThrustPw, kTurbineEngineTail),
                 kReferenceSpeeds, kViews, kAutopilot, kDirectionIndicators, kJetEngine, kRadios,
                 kPitotStatic),
    kBrakesHeader);
static_assert(sizeof afterWeights.text + kComposedSectionRoom <= PieceBuffer::kCapacity);

// The parking-brake line ends [brakes], so it takes the blank line of that section.
constexpr auto afterToeBrakes = joinSections(
    kParkingBrake, kGearWarningSystem, kHydraulicSystem, kStallWarning, kAttitudeIndicators,
    kTurnIndicators, kFoldingWingsOverland, kTailHookOverland, kExits, kSmokeOverland, kEffects);

} // namespace

const char* const kOverlandAfterWeights = afterWeights.text;
const char* const kOverlandAfterToeBrakes = afterToeBrakes.text;
