// Section texts that every family writes alike. Each text is a whole section (header line and
// lines, each ending in a line feed) without the blank line that closes it, unless its comment
// says it is part of a section.
#pragma once

inline constexpr char kFlightTuning[] = R"([flight_tuning]
cruise_lift_scalar=1.000
parasite_drag_scalar=0.950
induced_drag_scalar=1.100
elevator_effectiveness=0.800
aileron_effectiveness=1.000
rudder_effectiveness=1.000
pitch_stability=1.000
roll_stability=1.000
yaw_stability=1.000
elevator_trim_effectiveness=1.000
aileron_trim_effectiveness=1.000
rudder_trim_effectiveness=1.000
)";

inline constexpr char kAirplaneGeometry[] = R"([airplane_geometry]
wing_area = 3648.0
wing_span = 169.5
wing_root_chord = 35.0
wing_dihedral = 6.6
wing_incidence = 0
wing_twist = 0
oswald_efficiency_factor = 0.85
wing_winglets_flag = 1
wing_sweep = 0.000000
wing_pos_apex_lon = 7.000000
wing_pos_apex_vert = -5.000000
htail_area = 920.000000
htail_span = 59
htail_pos_lon = -74.0
htail_pos_vert = 0.000000
htail_incidence = 0.000000
htail_sweep = 0.000000
vtail_area = 605.000000
vtail_span = 28.044607
vtail_sweep = 0.000000
vtail_pos_lon = -60.0000
vtail_pos_vert = 9.9
elevator_area = 228.65
aileron_area = 147.431000
rudder_area = 105.600000
elevator_up_limit = 37.6
elevator_down_limit = 27.1
aileron_up_limit = 20
aileron_down_limit = 20
rudder_limit = 23
elevator_trim_limit = 12
spoiler_limit = 60
aileron_to_spoileron_gain = 2.050000
min_ailerons_for_spoilerons = 6
min_flaps_for_spoilerons = 0.000000
spoilerons_available = 1
)";

inline constexpr char kReferenceSpeeds[] = R"([Reference Speeds]
flaps_up_stall_speed=206.000000
full_flaps_stall_speed=164.800000
cruise_speed=544.159784
max_indicated_speed=610.937500
max_mach=0.869971
)";

inline constexpr char kForceFeedback[] = R"([forcefeedback]
gear_bump_nose_magnitude = 1000
gear_bump_nose_direction = 18000
gear_bump_nose_duration = 250000
gear_bump_left_magnitude = 2000
gear_bump_left_direction = 35500
gear_bump_left_duration = 250000
gear_bump_right_magnitude = 2000
gear_bump_right_direction = 500
gear_bump_right_duration = 250000
ground_bumps_magnitude1 = 1250
ground_bumps_angle1 = 8900
ground_bumps_intercept1 = 5
ground_bumps_slope1 = 0.48
ground_bumps_magnitude2 = 450
ground_bumps_angle2 = 9100
ground_bumps_intercept2 = 0.075
ground_bumps_slope2 = 1
crash_magnitude1 = 2000
crash_direction1 = 1000
crash_magnitude2 = 2000
crash_direction2 = 9000
crash_period2 = 7500
crash_duration2 = 2500000
stick_shaker_magnitude = 2000
stick_shaker_direction = 0
stick_shaker_period = 111111
)";

inline constexpr char kAutopilot[] = R"([autopilot]
autopilot_available=1
flight_director_available=1
default_vertical_speed=1800.000000
autothrottle_available=1
autothrottle_arming_required=1
autothrottle_takeoff_ga=1
autothrottle_max_rpm=113.000000
pitch_takeoff_ga=10.000000
max_pitch=10.000000
max_pitch_acceleration=1.000000
max_pitch_velocity_lo_alt=2.000000
max_pitch_velocity_hi_alt=1.500000
max_pitch_velocity_lo_alt_breakpoint=20000.000000
max_pitch_velocity_hi_alt_breakpoint=28000.000000
max_bank=20.000000
max_bank_acceleration=1.8
max_bank_velocity=3.000000
max_throttle_rate=0.200000
nav_proportional_control=12.000000
nav_integrator_control=0.250000
nav_derivative_control=0.000000
nav_integrator_boundary=2.500000
nav_derivative_boundary=0.000000
gs_proportional_control=25.0000
gs_integrator_control=0.530000
gs_derivative_control=0.000000
gs_integrator_boundary=0.700000
gs_derivative_boundary=0.000000
yaw_damper_gain=1.000000
use_no_default_pitch=1
use_no_default_bank=1
default_pitch_mode=0
default_bank_mode=0
)";

inline constexpr char kRadios[] = R"([Radios]
Audio.1=1
Com.1=1, 0
Com.2=1, 0
Nav.1=1, 0, 1
Nav.2=1, 0, 0
Adf.1=1
Transponder.1=1
Marker.1=1
)";

inline constexpr char kDirectionIndicators[] = R"([direction_indicators]
direction_indicator.0=3,0
)";

// [brakes] is written in three parts: the toe-brake line between its header and its last line
// is chosen by the "Realistic brakes" option.
inline constexpr char kBrakesHeader[] = "[brakes]\n";
inline constexpr char kToeBrakesRealistic[] = "toe_brakes_scale=0.335704\n";
inline constexpr char kToeBrakesStandard[] = "toe_brakes_scale=0.671407\n";
inline constexpr char kParkingBrake[] = "parking_brake=1\n";

inline constexpr char kGearWarningSystem[] = R"([gear_warning_system]
gear_warning_available=1
pct_throttle_limit=0.099976
flap_limit_power=25.783101
flap_limit_idle=22.918312
)";

inline constexpr char kJetEngine[] = R"([jet_engine]
thrust_scalar=1.0
)";

inline constexpr char kElectrical[] = R"([electrical]
max_battery_voltage = 24
generator_alternator_voltage = 28
max_generator_alternator_amps = 60
flap_motor = 0, 5, 17
gear_motor = 0, 5, 17
autopilot = 0, 5, 17
avionics_bus = 0, 10, 17
avionics = 1, 5, 17
pitot_heat = 0, 15, 17
additional_system = 0, 20, 17
marker_beacon = 1, 2, 17
gear_warning = 0, 2, 17
fuel_pump = 0, 5, 17
starter1 = 0, 20, 17
starter2 = 0, 20, 17
starter3 = 0, 20, 17
light_nav = 0, 5, 17
light_beacon = 0, 5, 17
light_landing = 0, 5, 17
light_taxi = 0, 5, 17
light_strobe = 0, 5, 17
light_panel = 0, 5, 17
auto_feather = 0, 15, 17
auto_brakes = 0, 15, 17
standby_vacuum = 0, 15, 17
hydraulic_pump = 0, 2, 17
fuel_transfer_pump = 0, 5, 17
light_recognition = 0, 5, 17
light_wing = 0, 5, 17
light_logo = 0, 5, 17
)";

inline constexpr char kHydraulicSystem[] = R"([hydraulic_system]
electric_pumps=0
engine_map=1,1,1,0
normal_pressure=3000.000000
)";

inline constexpr char kAttitudeIndicators[] = R"([attitude_indicators]
attitude_indicator.0=2
)";

inline constexpr char kTurnIndicators[] = R"([turn_indicators]
turn_indicator.0=1,0
)";

inline constexpr char kStallWarning[] = R"([stall_warning]
type=1
)";

// [TurbineEngineData] around its static-thrust line, which differs by family and engines.
inline constexpr char kTurbineEngineHead[] = R"([TurbineEngineData]
fuel_flow_gain=0.007400
inlet_area=67.000000
rated_N2_rpm=11550.000000
)";
inline constexpr char kTurbineEngineTail[] = R"(afterburner_available=0
reverser_available=1
)";
