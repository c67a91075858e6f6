// Section texts that two of the three families write alike: the forms the iFDG and Overland
// families share, and the three flap sections of the Corvane and Overland families.
#pragma once

inline constexpr char kPitotStatic[] = R"([pitot_static]
vertical_speed_time_constant=999
)";

inline constexpr char kKeyboardResponse[] = R"([keyboard_response]
elevator = 150.000000, 250.000000
aileron = 150.000000, 250.000000
rudder = 150.000000, 250.000000
)";

inline constexpr char kFuel[] = R"([fuel]
fuel_type = 2
number_of_tank_selectors = 1
Center1 =   -4.0,     0,    -6, 12880.0, 0.0
LeftMain =  -4.0, -55.1, -1.09,  7510.0, 0.0
LeftAux =  -12.0, -17.5,  -3.6,  5300.0, 0.0
RightMain = -4.0,  55.1, -1.09,  7510.0, 0.0
RightAux = -12.0,  17.5,  -3.6,  5300.0, 0.0
electric_pump = 0
)";

// [GeneralEngineData] in three parts: the iFDG family writes its fuel-flow line on its own.
inline constexpr char kGeneralEngineHead[] = R"([GeneralEngineData]
engine_type = 1
)";
inline constexpr char kFuelFlowLine[] = "fuel_flow_scalar = 0.95\n";
inline constexpr char kGeneralEngineTail[] = R"(engine.0 = 11.25, -27, -8.9,
engine.1 = -92, 0, 13.8,
engine.2 = 11.25, 27, -8.9,
min_throttle_limit=-0.449890
)";

// Static-thrust lines of [TurbineEngineData]: GE engines (iFDG only) and PW engines.
inline constexpr char kStaticThrustGe[] = "static_thrust=60000.000000\n";
inline constexpr char kStaticThrustPw[] = "static_thrust=60500.000000\n";

inline constexpr char kViews[] = R"([Views]
eyepoint=94.0, -1.4, 4.000
)";

inline constexpr char kExits[] = R"([exits]
number_of_exits = 2
exit_rate.0 = 0.2
exit_rate.1 = 0.2
)";

inline constexpr char kEffects[] = R"([EFFECTS]
touchdown=fx_tchdwn, 1
)";

inline constexpr char kFlaps0[] = R"([Flaps.0]
type= 1
span-outboard=0.500
extending-time=20
system_type= 1
lift_scalar = 0.8
drag_scalar = 1.1
pitch_scalar= 0.3
flaps-position.0=0.0,0.0
flaps-position.1=0.0,0.0
flaps-position.2=5,0.0
flaps-position.3=15,0.0
flaps-position.4=25,0.0
flaps-position.5=28,0.0
flaps-position.6=35,0.0
flaps-position.7=50,0.0
)";

inline constexpr char kFlaps1[] = R"([Flaps.1]
type= 1
span-outboard=0
extending-time=20
system_type= 1
lift_scalar = 0
drag_scalar = 0
pitch_scalar= 0
flaps-position.0=0.0,0.0
flaps-position.1=0.0,0.0
flaps-position.2=5,0.0
flaps-position.3=10,0.0
flaps-position.4=15,0.0
flaps-position.5=20,0.0
flaps-position.6=25,0.0
flaps-position.7=30,0.0
)";

inline constexpr char kFlaps2[] = R"([Flaps.2]
type= 2
span-outboard = 0.5
extending-time = 5
system_type = 1
lift_scalar = 8
drag_scalar = 2
pitch_scalar= 0.0
flaps-position.0 = 0
flaps-position.1 = 1.0
)";
