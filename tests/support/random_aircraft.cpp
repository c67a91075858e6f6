// The random aircraft folders of the round-trip test.
#include "tests/support/random_aircraft.h"

#include <cctype>
#include <initializer_list>

namespace {

class Maker {
public:
    explicit Maker(std::mt19937& random) : random_(random) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance() { return below(2) == 0; }
    const char* oneOf(std::initializer_list<const char*> items) {
        return items.begin()[below(static_cast<int>(items.size()))];
    }
    // As written, all lower, all upper, or letter by letter.
    std::string anyCase(std::string text) {
        const int style = below(4);
        for (char& c : text) {
            const bool upper = style == 2 || (style == 3 && chance());
            c = style == 0 ? c : static_cast<char>(upper ? std::toupper(c) : std::tolower(c));
        }
        return text;
    }
    // Lines that are no key the installer looks for.
    void addNoise(std::vector<std::string>& lines) {
        for (int n = below(3); n > 0; --n) {
            lines.push_back(oneOf({"", "// note", "; ZRK was here", "texture=1", " sim=indented",
                                   "atc_heavy=1", "visual_damage=0"}));
        }
    }
    // LF, CR LF or both; the last line ends or not.
    std::string join(const std::vector<std::string>& lines) {
        const int ends = below(3);
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool last = i + 1 == lines.size();
            text += lines[i] + (last && chance()                       ? ""
                                : ends == 0 || (ends == 2 && chance()) ? "\n"
                                                                       : "\r\n");
        }
        return text;
    }

private:
    std::mt19937& random_;
};

// Every aircraft section agrees on sim, model and ui_type (in any case) and has an empty panel;
// [General] follows them and other sections follow it.
std::string configuration(Maker& make, const std::string& sim, const std::string& model) {
    std::vector<std::string> lines;
    make.addNoise(lines);
    const std::string uiType = make.oneOf({"MD11", "MD-11", "McDonnell Douglas MD-11"});
    for (int i = 0, sections = 1 + make.below(4); i < sections; ++i) {
        lines.push_back(make.anyCase("[fltsim.") + std::to_string(i) + "]");
        const std::pair<const char*, std::string> keys[] = {
            {"title=", "MD-11 " + std::to_string(i)},
            {"sim=", make.anyCase(sim)},
            {"model=", make.anyCase(model)},
            {"panel=", ""},
            {"ui_type=", make.anyCase(uiType)}};
        for (const auto& [key, value] : keys) {
            make.addNoise(lines);
            lines.push_back(make.anyCase(key) + value);
        }
    }
    lines.push_back(make.anyCase("[General]") + make.oneOf({"", " // the aircraft"}));
    lines.push_back("atc_type=MD11");
    make.addNoise(lines);
    for (int n = make.below(4); n > 0; --n) {
        lines.push_back(make.oneOf({"[WEIGHT_AND_BALANCE]", "[flight_tuning]", "[Views]"}));
        lines.push_back(make.oneOf({"empty_weight=285000", "eyepoint=1, 2, 3", "x=1"}));
        make.addNoise(lines);
    }
    return make.join(lines);
}

} // namespace

RandomAircraft randomAircraft(std::mt19937& random) {
    Maker make(random);
    RandomAircraft aircraft{make.anyCase("aircraft.cfg"), {}, {}, false};
    const int family = make.below(3); // Corvane, Overland, iFDG
    const std::string sim = family == 2 ? "MD-11" : "md11";
    const std::uintmax_t airSizes[] = {10015, 8756, 8336};
    aircraft.sizedFiles.emplace_back(make.anyCase(sim + ".air"), airSizes[family]);

    const std::string model = make.oneOf({"", "ge", "PW4462", "v15"});
    const std::string modelFolder = make.anyCase("model") + (model.empty() ? "" : "." + model);
    // Letters 5 and 6 give type and engines; the size gives the version, or none.
    std::string modelFile = make.anyCase(std::string("MD11") + make.oneOf({"P", "C", "F", "X"}) +
                                         make.oneOf({"G", "P", "X"}) + make.oneOf({"", "_v1"}));
    const int version = make.below(3);
    aircraft.asksManualSettings = family == 2 && version == 2;
    const std::uintmax_t mdlSize = version == 0   ? 4127528
                                   : version == 1 ? 3153900
                                                  : 2000000 + make.below(100000);
    aircraft.sizedFiles.emplace_back(modelFolder + "/" + modelFile + make.anyCase(".mdl"), mdlSize);

    aircraft.files.emplace_back(aircraft.cfgName, configuration(make, sim, model));
    const std::string panel = make.oneOf({"Panel", "panel", "PANEL"});
    aircraft.files.emplace_back(panel + "/" + make.oneOf({"Panel.cfg", "panel.cfg", "PANEL.CFG"}),
                                make.join({"[Window Titles]", "Window00=Main Panel", ""}));
    if (make.chance()) {
        const std::string sound = make.oneOf({"Sound", "SOUND", "sound"});
        aircraft.files.emplace_back(sound + "/engine.wav", "RIFF");
        if (make.chance()) {
            aircraft.files.emplace_back(sound + "/" + make.oneOf({"sound.cfg", "Sound.cfg"}),
                                        make.join({"[GENERAL]", "engine=1"}));
        }
    }
    return aircraft;
}
