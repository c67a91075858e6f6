// The iFDG family's own section forms and its constant pieces.
#include "install/text_join.h"
#include "install/tuning_texts.h"
#include "install/tuning_texts_common.h"
#include "install/tuning_texts_shared.h"

namespace {

constexpr char kContactPointsIfdg[] = R"([contact_points]
static_pitch = 0.25
static_cg_height = 16.5
max_number_of_points = 8
point.0 = 1, 73.0771, 0, -17.6, 1181.1, 0, 1.6, 70, 1, 0.8, 0.7235, 7, 7, 0, 0, 0
point.1 = 1, -8.875, -17.64, -18.1, 1574.8, 1, 2.3, 0, 1.91, 0.9, 0.747, 7, 7, 2, 0, 0
point.2 = 1, -9.4062, 0, -18.1, 1574.8, 1, 2.3, 0, 1.91, 0.9, 0.747, 7, 7, 2, 0, 0
point.3 = 1, -8.875, 17.64, -18.1, 1574.8, 2, 2.3, 0, 1.91, 0.9, 0.747, 7, 7, 3, 0, 0
point.4 = 2, -41.798, -84.3089, 0, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0
point.5 = 2, -41.7975, 83.8839, 0, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0
point.6 = 2, -83.6619, 0, 0.5259, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0
point.7 = 2, 100.5887, 0, -0.6915, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0
gear_system_type=0
)";

constexpr char kFlaps0Ifdg[] = R"([Flaps.0]
lift_scalar = 0.8
drag_scalar = 1.1
pitch_scalar= 0.3
type=1
span-outboard=0.500000
extending-time=20
system_type=1
flaps-position.0=0.0,0.0
flaps-position.1=0.0,0.0
flaps-position.2=5,0.0
flaps-position.3=15,0.0
flaps-position.4=22,0.0
flaps-position.5=28,0.0
flaps-position.6=35,0.0
flaps-position.7=50,0.0
)";

constexpr char kFlaps1Ifdg[] = R"([flaps.1]
type = 2
span-outboard = 0.5
extending-time = 5
flaps-position.0 = 0
flaps-position.1 = 1.0
lift_scalar = 8
drag_scalar = 2
pitch_scalar= 0.0
system_type = 1
)";

constexpr char kFoldingWingsIfdg[] = R"([folding_wings]
wing_fold_system_type=4
fold_rates=0.11,0.13
)";

constexpr char kTailHookIfdg[] = R"([TailHook]
tailhook_length=1.0
tailhook_position=0.0,0.0,0.0
cable_force_adjust=1.0
)";

constexpr char kSmokeIfdg[] = R"([SMOKESYSTEM]
smoke.0=0.00, -33.5, 56.64, fx_QZ_MD11_flap
smoke.1=0.00, -33.5, -56.64, fx_QZ_MD11_flap
smoke.2=0.00, -47.51, 83.35, fx_QZ_MD11_wingtip
smoke.3=0.00, -47.51, -83.35, fx_QZ_MD11_wingtip
)";

constexpr auto enginesToTurbineHead = joinTexts(
    joinSections(kGeneralEngineTail, kFuel, kContactPointsIfdg, kKeyboardResponse, kForceFeedback,
                 kAirplaneGeometry, kElectrical, kFlaps0Ifdg, kFlaps1Ifdg),
    kTurbineEngineHead);

constexpr auto afterStaticThrust =
    joinTexts(joinSections(kTurbineEngineTail, kReferenceSpeeds, kViews, kAutopilot,
                           kDirectionIndicators, kJetEngine, kRadios, kPitotStatic),
              kBrakesHeader);

// The parking-brake line ends [brakes], so it takes the blank line of that section.
constexpr auto afterToeBrakes =
    joinSections(kParkingBrake, kGearWarningSystem, kHydraulicSystem, kStallWarning,
                 kAttitudeIndicators, kTurnIndicators, kExits);

constexpr auto foldAndHook = joinSections(kFoldingWingsIfdg, kTailHookIfdg);

constexpr auto smokeAndEffects = joinSections(kSmokeIfdg, kEffects);

} // namespace

const char* const kIfdgEnginesToTurbineHead = enginesToTurbineHead.text;
const char* const kIfdgAfterStaticThrust = afterStaticThrust.text;
const char* const kIfdgAfterToeBrakes = afterToeBrakes.text;
const char* const kIfdgFoldAndHook = foldAndHook.text;
const char* const kIfdgSmokeAndEffects = smokeAndEffects.text;
