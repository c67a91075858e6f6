// The random aircraft folders of the round-trip test.
#include "tests/support/random_aircraft.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <initializer_list>

RandomAircraft layOutRandomAircraft(std::mt19937& random, TemporaryFolder& folder) {
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto oneOf = [&](std::initializer_list<const char*> items) {
        return std::string(items.begin()[below(static_cast<int>(items.size()))]);
    };
    // As written, all lower, all upper, or letter by letter.
    const auto anyCase = [&](std::string text) {
        const int style = below(4);
        for (char& c : text) {
            const bool upper = style == 2 || (style == 3 && below(2) == 0);
            c = style == 0 ? c : static_cast<char>(upper ? std::toupper(c) : std::tolower(c));
        }
        return text;
    };
    // Lines that are no key the installer looks for.
    const auto noise = [&] {
        std::string lines;
        for (int n = below(3); n > 0; --n) {
            lines +=
                oneOf({"", "// note", "; ZRK was here", " sim=indented", "atc_heavy=1"}) + "\n";
        }
        return lines;
    };
    // Stored with LF, CR LF or both; the last line ends or not.
    const auto stored = [&](const std::string& lines) {
        const int ends = below(3);
        std::string text;
        for (char c : lines) {
            const bool lf = ends == 0 || (ends == 2 && below(2) == 0);
            text += c != '\n' ? std::string(1, c) : lf ? "\n" : "\r\n";
        }
        return below(2) == 0 ? text : text.substr(0, text.find_last_not_of("\r\n") + 1);
    };
    const auto sized = [&](const std::string& path, std::uintmax_t size) {
        folder.put(path);
        std::filesystem::resize_file(folder.native(path), size);
    };

    const int family = below(3); // Corvane, Overland, iFDG
    const std::string sim = family == 2 ? "MD-11" : "md11";
    sized(anyCase(sim + ".air"), family == 0 ? 10015 : family == 1 ? 8756 : 8336);
    // Letters 5 and 6 give type and engines; the size gives the version, or none.
    const std::string model = oneOf({"", "ge", "PW4462", "v15"});
    const std::string modelFolder = anyCase("model") + (model.empty() ? "" : "." + model);
    const std::string modelFile = anyCase("MD11" + oneOf({"P", "C", "F", "X"}) +
                                          oneOf({"G", "P", "X"}) + oneOf({"", "_v1"}) + ".mdl");
    const int version = below(3);
    sized(modelFolder + "/" + modelFile, version == 0   ? 4127528
                                         : version == 1 ? 3153900
                                                        : 2000000 + below(100000));

    // Every aircraft section agrees on sim, model and ui_type (in any case) and has an empty
    // panel; [General] follows them and other sections follow it.
    const std::string uiType = oneOf({"MD11", "MD-11", "McDonnell Douglas MD-11"});
    std::string config = noise();
    for (int i = 0, sections = 1 + below(4); i < sections; ++i) {
        config += anyCase("[fltsim.") + std::to_string(i) + "]\n";
        for (const std::string& line :
             {"title=MD-11 " + std::to_string(i), "sim=" + sim, "model=" + model,
              std::string("panel="), "ui_type=" + uiType}) {
            config += noise() + anyCase(line) + "\n";
        }
    }
    config +=
        anyCase("[General]") + oneOf({"", " // the aircraft"}) + "\natc_type=MD11\n" + noise();
    for (int n = below(4); n > 0; --n) {
        config += oneOf({"[WEIGHT_AND_BALANCE]", "[flight_tuning]", "[Views]"}) + "\n" +
                  oneOf({"empty_weight=285000", "eyepoint=1, 2, 3", "x=1"}) + "\n" + noise();
    }
    const RandomAircraft aircraft{anyCase("aircraft.cfg"), family == 2 && version == 2};
    folder.put(aircraft.cfgName, stored(config));
    folder.put(oneOf({"Panel", "panel", "PANEL"}) + "/" +
                   oneOf({"Panel.cfg", "panel.cfg", "PANEL.CFG"}),
               stored("[Window Titles]\nWindow00=Main Panel\n"));
    if (below(2) == 0) {
        const std::string sound = oneOf({"Sound", "SOUND", "sound"});
        folder.put(sound + "/engine.wav", "RIFF");
        if (below(2) == 0) {
            folder.put(sound + "/" + oneOf({"sound.cfg", "Sound.cfg"}),
                       stored("[GENERAL]\nengine=1\n"));
        }
    }
    return aircraft;
}
