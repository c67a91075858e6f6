// The Corvane family's own section forms and its constant pieces.
#include "install/piece_buffer.h"
#include "install/text_join.h"
#include "install/tuning_texts.h"
#include "install/tuning_texts_common.h"
#include "install/tuning_texts_shared.h"

namespace {

constexpr char kFuelCorvane[] = R"([fuel]
Center1 =   -4.0,     0,    -6, 12880.0, 0.0
LeftMain =  -4.0, -55.1, -1.09,  7510.0, 0.0
LeftAux =  -12.0, -17.5,  -3.6,  5300.0, 0.0
RightMain = -4.0,  55.1, -1.09,  7510.0, 0.0
RightAux = -12.0,  17.5,  -3.6,  5300.0, 0.0
fuel_type=2.000000
number_of_tank_selectors=1
electric_pump=0
)";

constexpr char kContactPointsCorvane[] = R"([contact_points]
static_pitch = 0.25
static_cg_height = 16.5
max_number_of_points = 8
point.0 = 1, 73.0771, 0, -17.2, 1181.1, 0, 1.6, 70, 1, 0.8, 0.7235, 7, 7, 0, 0, 0
point.1 = 1, -8.875, -17.33, -18.1, 1574.8, 1, 2.3, 0, 1.91, 0.9, 0.747, 7, 7, 2, 0, 0
point.2 = 1, -9.4062, 0, -18.1, 1574.8, 1, 2.3, 0, 1.91, 0.9, 0.747, 7, 7, 2, 0, 0
point.3 = 1, -8.875, 17.33, -18.1, 1574.8, 2, 2.3, 0, 1.91, 0.9, 0.747, 7, 7, 3, 0, 0
point.4 = 2, -41.798, -84.3089, 0, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0
point.5 = 2, -41.7975, 83.8839, 0, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0
point.6 = 2, -83.6619, 0, 0.5259, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0
point.7 = 2, 100.5887, 0, -0.6915, 787.4, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0
gear_system_type=0
)";

constexpr char kGeneralEngineCorvane[] = R"([GeneralEngineData]
engine_type= 1
engine.0 = 11.25, -27, -8.9,
engine.1 = -92, 0, 13.8,
engine.2 = 11.25, 27, -8.9,
fuel_flow_scalar = 0.95
min_throttle_limit=-0.449890
)";

constexpr char kStaticThrustCorvane[] = "static_thrust= 60000.000\n";

constexpr char kKeyboardResponseCorvane[] = R"([keyboard_response]
elevator=150, 250
aileron=150, 250
rudder=150, 250
)";

constexpr char kViewsCorvane[] = R"([Views]
eyepoint=92.55, -1.77, 4.53
)";

constexpr char kLightsCorvane[] = R"([LIGHTS]
light.0=3, -42.19,-86.55, -0.70,  fx_navredh ,
light.1=3, -42.19, 86.55, -0.70,  fx_navgreh ,
light.2=2, -41.29,-86.30, -0.70,  fx_strobeh ,
light.3=2, -41.29, 86.30, -0.70,  fx_strobeh ,
light.4=1,  13.21,  0.00,  10.67, fx_beaconh ,
light.5=1, -22.00,  0.00, -10.50, fx_beaconb ,
)";

constexpr char kEffectsCorvane[] = R"([EFFECTS]
wake=fx_wake
water=fx_spray
dirt=fx_tchdrt
concrete=fx_sparks
touchdown=fx_tchdwn, 1
)";

constexpr char kSmokeCorvane[] = R"([SMOKESYSTEM]
smoke.0=0.00, -36.2, 59.64, fx_QZ_MD11CV_flap
smoke.1=0.00, -36.2, -59.64, fx_QZ_MD11CV_flap
smoke.2=0.00, -50.4, 88.30, fx_QZ_MD11CV_wingtip
smoke.3=0.00, -50.4, -88.30, fx_QZ_MD11CV_wingtip
)";

constexpr char kExitsCorvane[] = R"([exits]
number_of_exits=2
exit_rate.0=0.4
exit_rate.1=0.4
)";

constexpr auto afterWeights = joinTexts(
    joinSections(kFuelCorvane, kAirplaneGeometry, kContactPointsCorvane, kFlaps0, kFlaps1, kFlaps2,
                 kGeneralEngineCorvane,
                 joinTexts(kTurbineEngineHead, kStaticThrustCorvane, kTurbineEngineTail),
                 kReferenceSpeeds, kKeyboardResponseCorvane, kForceFeedback, kViewsCorvane,
                 kAutopilot, kRadios, kDirectionIndicators, kLightsCorvane, kFlightTuning),
    kBrakesHeader);
static_assert(sizeof afterWeights.text + kComposedSectionRoom <= PieceBuffer::kCapacity);

// The parking-brake line ends [brakes], so it takes the blank line of that section.
constexpr auto afterToeBrakes = joinSections(
    kParkingBrake, kGearWarningSystem, kJetEngine, kElectrical, kEffectsCorvane, kSmokeCorvane,
    kExitsCorvane, kHydraulicSystem, kAttitudeIndicators, kTurnIndicators, kStallWarning);

} // namespace

const char* const kCorvaneAfterWeights = afterWeights.text;
const char* const kCorvaneAfterToeBrakes = afterToeBrakes.text;
