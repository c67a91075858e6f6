// Each family's flight-model sections by structure, the lines that follow the state, failed writes.
#include "install/tuning_sections.h"

#include <gtest/gtest.h>

#include <regex>

#include "app/installer_state.h"
#include "tests/support/config_text.h"

namespace {

// Headers ("a, b, "), each section's lines, its values by "section/key" (doubles run together).
struct Sections {
    std::string headers;
    std::map<std::string, std::vector<std::string>> lines;
    std::map<std::string, std::string> values;
};

// Checked on the way: CR LF ends, a header first, one blank line after each section, none inside.
Sections parseSections(const std::string& bytes) {
    Sections parsed;
    std::string open; // the section being read; empty after its blank line
    std::size_t at = 0;
    for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string line = bytes.substr(at, end - at);
        const bool header = line.size() > 2 && line.front() == '[' && line.back() == ']';
        EXPECT_TRUE(line.find_first_of("\r\n") == std::string::npos &&
                    (line.empty() ? !open.empty() : header == open.empty()))
            << "at byte " << at;
        if (header) {
            open = line.substr(1, line.size() - 2);
            parsed.headers += open + ", ";
        } else if (line.empty()) {
            open.clear();
        } else {
            parsed.lines[open].push_back(line);
            parsed.values[open + "/" + line.substr(0, line.find('='))] +=
                line.substr(line.find('=') + 1);
        }
    }
    EXPECT_TRUE(at == bytes.size() && open.empty()) << "no line end or blank line at the end";
    return parsed;
}

const std::string kCorvaneHeaders =
    "Weight_and_balance, fuel, airplane_geometry, contact_points, Flaps.0, Flaps.1, Flaps.2, "
    "GeneralEngineData, TurbineEngineData, Reference Speeds, keyboard_response, forcefeedback, "
    "Views, autopilot, Radios, direction_indicators, LIGHTS, flight_tuning, brakes, "
    "gear_warning_system, jet_engine, electrical, EFFECTS, SMOKESYSTEM, exits, hydraulic_system, "
    "attitude_indicators, turn_indicators, stall_warning, ";
// The iFDG and Overland families share their order but for the flaps and the wing fold.
const std::string kToFlaps = "flight_tuning, Weight_and_Balance, lights, GeneralEngineData, fuel, "
                             "contact_points, keyboard_response, forcefeedback, airplane_geometry, "
                             "electrical, Flaps.0, ";
const std::string kToTurnIndicators =
    "TurbineEngineData, Reference Speeds, Views, autopilot, direction_indicators, jet_engine, "
    "Radios, pitot_static, brakes, gear_warning_system, hydraulic_system, stall_warning, "
    "attitude_indicators, turn_indicators, ";

// Empty weight and Cargo load by type and engines (GE, PW); Corvane: PAX GE, Overland: PAX PW.
const char* const kRows[3][2][2] = {{{"285900", "23100"}, {"285200", "41800"}},
                                    {{"285100", "23900"}, {"284400", "41600"}},
                                    {{"249200", "104400"}, {"248500", "123100"}}};
const char* const kStations[] = {"Crew", "Baggage", "Cargo", "First", "Business", "Economy"};

// Type, engines, version, wing lights, fold and hook, brakes (any non-zero value counts).
class TuningSections : public testing::TestWithParam<std::tuple<int, int, int, int, int, int>> {};

// Every family under every state: only the iFDG family reads more than the brakes.
TEST_P(TuningSections, EachFamilyWritesWhatFitsTheState) {
    const auto [variant, engines, version, wingLights, foldAndHook, brakes] = GetParam();
    for (int kind : {modelCorvane, modelIfdg, modelOverland}) {
        SCOPED_TRACE("modelKind " + std::to_string(kind));
        resetInstallerStateForTest();
        InstallerState& s = installerState;
        std::tie(s.modelKind, s.aircraftVariant, s.engineVariant, s.modelVersion, s.wingLightsMode,
                 s.foldAndHookCommands, s.realisticBrakes) =
            std::tie(kind, variant, engines, version, wingLights, foldAndHook, brakes);
        const std::string stored = tuningSectionsOnDisk();
        Sections sections = parseSections(stored);
        const bool corvane = kind == modelCorvane, ifdg = kind == modelIfdg;
        const bool fold = version == 2 || (version == 3 && foldAndHook != 0);
        EXPECT_EQ(sections.headers,
                  corvane ? kCorvaneHeaders
                  : ifdg  ? kToFlaps + "flaps.1, " + kToTurnIndicators + "exits, " +
                               (fold ? "folding_wings, TailHook, " : "") + "SMOKESYSTEM, EFFECTS, "
                         : kToFlaps + "Flaps.1, Flaps.2, " + kToTurnIndicators +
                               "folding_wings, TailHook, exits, SMOKESYSTEM, EFFECTS, ");

        const bool pw = ifdg ? engines == 2 : !corvane;
        const char* const* row = kRows[ifdg ? variant - 1 : 0][pw ? 1 : 0];
        const std::string wb = corvane ? "Weight_and_balance" : "Weight_and_Balance";
        const std::string datum = kind == modelOverland ? "0.0,0.0,2.2" : "0.0,0.0,0.0";
        auto& values = sections.values;
        EXPECT_EQ(sections.lines[wb].size(), 15u);
        EXPECT_EQ(values[wb + "/empty_weight"] + " " + values[wb + "/max_gross_weight"] + " " +
                      values[wb + "/reference_datum_position"] + " " +
                      values[wb + "/empty_weight_CG_position"],
                  row[0] + std::string(pw ? " 630500 " : " 612500 ") + datum + " " + datum);
        for (int i = 0; i < 6; ++i) {
            const std::string load = values[wb + "/station_load." + std::to_string(i)];
            EXPECT_TRUE(
                std::regex_match(load, std::regex(std::string("\"") + (i == 2 ? row[1] : "[0-9]+") +
                                                  "(,0\\.0){3}," + kStations[i] + "\"")))
                << load;
        }

        // Lights are numbered from 0 in the order written; the effect tells which light it is.
        const auto& lights = sections.lines[corvane ? "LIGHTS" : "lights"];
        std::string effects;
        for (std::size_t i = 0; i < lights.size(); ++i) {
            std::smatch match;
            EXPECT_TRUE(std::regex_match(
                lights[i], match, std::regex("light\\." + std::to_string(i) + " ?=.*(fx_\\w+).*")))
                << lights[i];
            effects += match[1].str() + " ";
        }
        const bool nav = version == 2 || (version == 3 && (wingLights & 1) != 0);
        const bool strobes = version == 2 || (version == 3 && (wingLights & 2) != 0);
        if (ifdg) {
            EXPECT_EQ(effects, "fx_beacon " + std::string(nav ? "fx_navgre fx_navred " : "") +
                                   "fx_beacon fx_vclight " +
                                   (strobes ? "fx_strobe fx_strobe fx_strobe fx_strobe " : ""));
        } else {
            EXPECT_EQ(lights.size(), corvane ? 6u : 10u);
        }

        EXPECT_EQ(values["TurbineEngineData/static_thrust"],
                  corvane ? " 60000.000" : (pw ? "60500.000000" : "60000.000000"));
        EXPECT_EQ(values["brakes/toe_brakes_scale"], brakes != 0 ? "0.335704" : "0.671407");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryState, TuningSections,
                         testing::Combine(testing::Range(1, 4), testing::Range(1, 3),
                                          testing::Range(1, 4), testing::Range(0, 4),
                                          testing::Values(0, 1), testing::Values(0, 7)));

} // namespace
