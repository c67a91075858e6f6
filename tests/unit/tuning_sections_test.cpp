// Each family's flight-model sections under every state: their form, and the lines that follow
// the state (weights, lights, engines, wing fold, brakes).
#include "install/tuning_sections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "app/installer_state.h"
#include "tests/support/config_text.h"

TEST(TuningSections, EachFamilyWritesWhatFitsTheState) {
    std::set<std::string> ifdgWeights; // one row for each type and engines, whatever the rest
    std::string loads; // the weights' last lines: each station's load, its weight and its name
    for (int i = 0; i < 6; ++i) {
        loads += "\r\nstation_load\\." + std::to_string(i) + "=\"[0-9]+(,0\\.0){3},[A-Z][a-z]+\"";
    }
    const std::regex stationLoads(loads + "$");
    for (int state = 0; state < 3 * 4 * 3 * 3 * 4 * 2 * 2 && !HasFailure(); ++state) {
        int rest = state;
        const auto next = [&](int count) { return std::exchange(rest, rest / count) % count; };
        InstallerState& s = installerState;
        const int kinds[] = {modelCorvane, modelIfdg, modelOverland};
        std::tie(s.modelKind, s.aircraftVariant, s.engineVariant, s.modelVersion, s.wingLightsMode,
                 s.foldAndHookCommands, s.realisticBrakes) =
            std::tuple(kinds[next(3)], next(4), next(3), 1 + next(3), next(4), next(2),
                       7 * next(2)); // unset type and engines: PAX and GE; any non-zero brakes
        SCOPED_TRACE("state " + std::to_string(state));
        const std::string text = tuningSectionsOnDisk();
        const auto value = [&](const std::string& key) { // of the first line with that key
            const std::size_t at = text.find("\n" + key) + 1 + key.size(); // npos + 1 is 0
            return at == key.size() ? "none" : text.substr(at, text.find('\r', at) - at);
        };
        // CR LF line ends; a header first, after each blank line and nowhere else.
        EXPECT_TRUE(text.starts_with('[') && text.ends_with("\r\n\r\n"));
        for (std::size_t at = text.find('\n'); at < text.size() - 1 && !HasFailure();
             at = text.find('\n', at + 1)) {
            EXPECT_TRUE(text[at - 1] == '\r' &&
                        (text[at + 1] == '[') == (text.compare(at - 3, 4, "\r\n\r\n") == 0))
                << "a line end or a section break at byte " << at;
        }
        const bool ifdg = s.modelKind == modelIfdg,
                   pw = ifdg ? s.engineVariant == 2 : s.modelKind == modelOverland;
        // The weights: a header and 15 lines; one row for each iFDG type and engines.
        const std::size_t weights = text.find("[Weight_and_");
        const std::string row = text.substr(weights, text.find("\r\n\r\n", weights) - weights);
        EXPECT_EQ(std::ranges::count(row, '\n'), 15);
        EXPECT_TRUE(std::regex_search(row, stationLoads));
        EXPECT_EQ(value("max_gross_weight="), pw ? "630500" : "612500");
        EXPECT_EQ(value("toe_brakes_scale="), s.realisticBrakes ? "0.335704" : "0.671407");
        if (!ifdg) {
            continue; // the rest of the other families' sections never varies
        }
        ifdgWeights.insert(row);
        // No economy seats in a cargo aircraft; the engines' thrust.
        EXPECT_EQ(value("station_load.5=").starts_with("\"0,"), s.aircraftVariant == 3);
        EXPECT_EQ(value("static_thrust="), pw ? "60500.000000" : "60000.000000");
        // Lights numbered from 0 in the order written; the effect tells which light it is.
        const int version = s.modelVersion;
        const bool nav = version == 2 || (version == 3 && (s.wingLightsMode & 1) != 0);
        const bool strobes = version == 2 || (version == 3 && (s.wingLightsMode & 2) != 0);
        std::string effects;
        int number = 0;
        for (std::size_t at = text.find("\nlight."); at != std::string::npos;
             at = text.find("\nlight.", at + 1)) {
            const std::string line = text.substr(at + 1, text.find('\r', at) - at - 1);
            EXPECT_TRUE(line.starts_with("light." + std::to_string(number++) + " = ")) << line;
            effects += line.substr(line.rfind("fx_")) + " ";
        }
        EXPECT_EQ(effects, "fx_beacon " + std::string(nav ? "fx_navgre fx_navred " : "") +
                               "fx_beacon fx_vclight " +
                               (strobes ? "fx_strobe fx_strobe fx_strobe fx_strobe " : ""));
        EXPECT_EQ(text.find("[folding_wings]") != std::string::npos,
                  version == 2 || (version == 3 && s.foldAndHookCommands != 0));
    }
    EXPECT_EQ(ifdgWeights.size(), 6u);
}
