// The flight-model sections of each family: section order and layout on disk, and the lines
// that follow the installer's state (weights row, lights, static thrust, toe brakes, wing fold).
#include "install/tuning_sections.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "tests/unit/tuning_output.h"

namespace {

using Headers = std::vector<std::string>;

// Header names in order, separated by commas.
Headers headerList(const std::string& names) {
    Headers headers;
    std::size_t start = 0;
    for (std::size_t comma; (comma = names.find(',', start)) != std::string::npos;) {
        headers.push_back(names.substr(start, comma - start));
        start = names.find_first_not_of(' ', comma + 1);
    }
    headers.push_back(names.substr(start));
    return headers;
}

const Headers kCorvaneHeaders = headerList(
    "Weight_and_balance, fuel, airplane_geometry, contact_points, Flaps.0, Flaps.1, Flaps.2, "
    "GeneralEngineData, TurbineEngineData, Reference Speeds, keyboard_response, forcefeedback, "
    "Views, autopilot, Radios, direction_indicators, LIGHTS, flight_tuning, brakes, "
    "gear_warning_system, jet_engine, electrical, EFFECTS, SMOKESYSTEM, exits, hydraulic_system, "
    "attitude_indicators, turn_indicators, stall_warning");

const Headers kOverlandHeaders = headerList(
    "flight_tuning, Weight_and_Balance, lights, GeneralEngineData, fuel, contact_points, "
    "keyboard_response, forcefeedback, airplane_geometry, electrical, Flaps.0, Flaps.1, Flaps.2, "
    "TurbineEngineData, Reference Speeds, Views, autopilot, direction_indicators, jet_engine, "
    "Radios, pitot_static, brakes, gear_warning_system, hydraulic_system, stall_warning, "
    "attitude_indicators, turn_indicators, folding_wings, TailHook, exits, SMOKESYSTEM, EFFECTS");

Headers ifdgHeaders(bool foldAndHook) {
    return headerList(
        "flight_tuning, Weight_and_Balance, lights, GeneralEngineData, fuel, contact_points, "
        "keyboard_response, forcefeedback, airplane_geometry, electrical, Flaps.0, flaps.1, "
        "TurbineEngineData, Reference Speeds, Views, autopilot, direction_indicators, jet_engine, "
        "Radios, pitot_static, brakes, gear_warning_system, hydraulic_system, stall_warning, "
        "attitude_indicators, turn_indicators, exits, " +
        std::string(foldAndHook ? "folding_wings, TailHook, " : "") + "SMOKESYSTEM, EFFECTS");
}

const char* expectedToeBrakes(int realisticBrakes) {
    return realisticBrakes != 0 ? "0.335704" : "0.671407";
}

// The six station lines: numbered 0 to 5, a whole-number weight, the fixed coordinates and the
// station names in order.
void expectStationLines(const Section& weights) {
    const char* names[] = {"Crew", "Baggage", "Cargo", "First", "Business", "Economy"};
    for (int i = 0; i < 6; ++i) {
        std::string value = valueOf(weights, "station_load." + std::to_string(i));
        std::regex form("\"[0-9]+,0\\.0,0\\.0,0\\.0," + std::string(names[i]) + "\"");
        EXPECT_TRUE(std::regex_match(value, form)) << value;
    }
    EXPECT_EQ(valueOf(weights, "max_number_of_stations"), "50");
    EXPECT_EQ(weights.lines.size(), 15u);
}

// The effect name ends each light line; the lines are numbered from 0 without a gap.
std::vector<std::string> lightEffects(const Section& lights) {
    std::vector<std::string> effects;
    for (std::size_t i = 0; i < lights.lines.size(); ++i) {
        const std::string& line = lights.lines[i];
        EXPECT_TRUE(line.starts_with("light." + std::to_string(i) + " = ")) << line;
        effects.push_back(line.substr(line.rfind(' ') + 1));
    }
    return effects;
}

// aircraftVariant, engineVariant, modelVersion, wingLightsMode, foldAndHookCommands,
// realisticBrakes
using IfdgState = std::tuple<int, int, int, int, int, int>;

class IfdgTuning : public ::testing::TestWithParam<IfdgState> {};

TEST_P(IfdgTuning, WritesTheSectionsThatFitTheState) {
    auto [aircraft, engines, version, wingLights, foldAndHook, brakes] = GetParam();
    setTuningState({3, aircraft, engines, version, wingLights, foldAndHook, brakes});
    WrittenFile file = writeTuningFile();
    ASSERT_EQ(file.result, resultOk);
    std::vector<Section> sections = parseSections(file.bytes);

    bool withFold = version == 2 || (version == 3 && foldAndHook != 0);
    EXPECT_EQ(sections.size(), withFold ? 31u : 29u);
    EXPECT_EQ(headersOf(sections), ifdgHeaders(withFold));

    bool nav = version == 2 || (version == 3 && (wingLights & 1) != 0);
    bool strobes = version == 2 || (version == 3 && (wingLights & 2) != 0);
    std::vector<std::string> effects = {"fx_beacon"};
    if (nav) {
        effects.insert(effects.end(), {"fx_navgre", "fx_navred"});
    }
    effects.insert(effects.end(), {"fx_beacon", "fx_vclight"});
    if (strobes) {
        effects.insert(effects.end(), 4, "fx_strobe");
    }
    EXPECT_EQ(lightEffects(sectionNamed(sections, "lights")), effects);

    // Empty weights tell the six rows apart.
    const char* emptyWeights[3][2] = {
        {"285900", "285200"}, {"285100", "284400"}, {"249200", "248500"}};
    Section weights = sectionNamed(sections, "Weight_and_Balance");
    EXPECT_EQ(valueOf(weights, "empty_weight"), emptyWeights[aircraft - 1][engines - 1]);
    EXPECT_EQ(valueOf(weights, "max_gross_weight"), engines == 2 ? "630500" : "612500");
    expectStationLines(weights);

    EXPECT_EQ(valueOf(sectionNamed(sections, "TurbineEngineData"), "static_thrust"),
              engines == 2 ? "60500.000000" : "60000.000000");
    EXPECT_EQ(valueOf(sectionNamed(sections, "brakes"), "toe_brakes_scale"),
              expectedToeBrakes(brakes));
}

INSTANTIATE_TEST_SUITE_P(EveryState, IfdgTuning,
                         ::testing::Combine(::testing::Range(1, 4), ::testing::Range(1, 3),
                                            ::testing::Range(1, 4), ::testing::Range(0, 4),
                                            ::testing::Values(0, 1), ::testing::Values(0, 1)));

TEST(IfdgTuningRows, CargoWithPrattWhitneyEnginesUsesItsOwnRow) {
    setTuningState({3, 3, 2, 2});
    WrittenFile file = writeTuningFile();
    Section weights = sectionNamed(parseSections(file.bytes), "Weight_and_Balance");
    EXPECT_EQ(valueOf(weights, "empty_weight"), "248500");
    EXPECT_EQ(valueOf(weights, "station_load.0"), "\"900,0.0,0.0,0.0,Crew\"");
    EXPECT_EQ(valueOf(weights, "station_load.1"), "\"0,0.0,0.0,0.0,Baggage\"");
    EXPECT_EQ(valueOf(weights, "station_load.2"), "\"123100,0.0,0.0,0.0,Cargo\"");
    EXPECT_EQ(valueOf(weights, "station_load.5"), "\"0,0.0,0.0,0.0,Economy\"");
}

struct FamilyCase {
    const char* name;
    int modelKind;
    std::size_t sectionCount;
    const Headers* headers;
    const char* weightsHeader;
    const char* emptyWeight;
    const char* datum; // reference datum and empty-weight centre of gravity
    const char* lightsHeader;
    std::size_t lightCount;
    const char* staticThrust;
};

const FamilyCase kFamilies[] = {
    {"Corvane", 2, 29, &kCorvaneHeaders, "Weight_and_balance", "285900", "0.0,0.0,0.0", "LIGHTS", 6,
     " 60000.000"},
    {"Overland", 4, 32, &kOverlandHeaders, "Weight_and_Balance", "285200", "0.0,0.0,2.2", "lights",
     10, "60500.000000"},
};

std::string familyCaseName(const ::testing::TestParamInfo<std::tuple<FamilyCase, int>>& info) {
    return std::string(std::get<0>(info.param).name) + "Brakes" +
           std::to_string(std::get<1>(info.param));
}

class FamilyTuning : public ::testing::TestWithParam<std::tuple<FamilyCase, int>> {};

TEST_P(FamilyTuning, WritesItsOneConfiguration) {
    auto [family, brakes] = GetParam();
    // The type, engine and iFDG-only fields must not matter outside the iFDG family.
    setTuningState({family.modelKind, 3, 2, 2, 3, 1, brakes});
    WrittenFile file = writeTuningFile();
    ASSERT_EQ(file.result, resultOk);
    std::vector<Section> sections = parseSections(file.bytes);
    EXPECT_EQ(sections.size(), family.sectionCount);
    EXPECT_EQ(headersOf(sections), *family.headers);

    Section weights = sectionNamed(sections, family.weightsHeader);
    EXPECT_EQ(valueOf(weights, "empty_weight"), family.emptyWeight);
    EXPECT_EQ(valueOf(weights, "reference_datum_position"), family.datum);
    EXPECT_EQ(valueOf(weights, "empty_weight_CG_position"), family.datum);
    expectStationLines(weights);
    EXPECT_EQ(sectionNamed(sections, family.lightsHeader).lines.size(), family.lightCount);
    EXPECT_EQ(valueOf(sectionNamed(sections, "TurbineEngineData"), "static_thrust"),
              family.staticThrust);
    EXPECT_EQ(valueOf(sectionNamed(sections, "brakes"), "toe_brakes_scale"),
              expectedToeBrakes(brakes));
}

INSTANTIATE_TEST_SUITE_P(CorvaneAndOverland, FamilyTuning,
                         ::testing::Combine(::testing::ValuesIn(kFamilies),
                                            ::testing::Values(0, 1, 7)),
                         familyCaseName);

class NoFamily : public ::testing::TestWithParam<int> {};

TEST_P(NoFamily, WritesNothing) {
    setTuningState({GetParam(), 1, 1, 2});
    WrittenFile file = writeTuningFile();
    EXPECT_EQ(file.result, resultOk);
    EXPECT_EQ(file.bytes, "");
}

INSTANTIATE_TEST_SUITE_P(OtherModelKinds, NoFamily, ::testing::Values(0, 1, 5, 99, -1));

} // namespace
