// Random aircraft folders of every family through Install and then Uninstall: each comes back
// byte for byte. ZRK_ROUND_TRIP_SEED and ZRK_ROUND_TRIP_COUNT choose the folders (a fixed few by
// default); a failure names the seed that replays its folder alone.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <random>

#include "tests/support/main_dialog_fixture.h"

namespace {

// An aircraft of one of the three families that the installer accepts, laid out in the empty
// folder with any mix of line ends, comments, letter cases and optional parts; model and
// flight-dynamics files are sparse. Returns aircraft.cfg's name, and whether the model file has
// no known size (then the installer asks for manual settings).
std::pair<std::string, bool> layOutRandomAircraft(std::mt19937& random, TemporaryFolder& folder) {
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto oneOf = [&](std::initializer_list<const char*> items) {
        return std::string(items.begin()[below(static_cast<int>(items.size()))]);
    };
    const auto anyCase = [&](std::string text) { // as written, lower, upper or letter by letter
        const int style = below(4);
        for (char& c : text) {
            const bool upper = style == 2 || (style == 3 && below(2) == 0);
            c = style == 0 ? c : static_cast<char>(upper ? std::toupper(c) : std::tolower(c));
        }
        return text;
    };
    const auto noise = [&] { // lines that are no key the installer looks for
        std::string lines;
        for (int n = below(3); n > 0; --n) {
            lines +=
                oneOf({"", "// note", "; ZRK was here", " sim=indented", "atc_heavy=1"}) + "\n";
        }
        return lines;
    };
    const auto stored = [&](const std::string& lines) { // LF, CR LF or both; last line ended or not
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
    // Aircraft sections that agree on sim, model and ui_type (in any case), with an empty panel;
    // [General] after them and other sections after it.
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
    const std::string cfgName = anyCase("aircraft.cfg");
    folder.put(cfgName, stored(config));
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
    return {cfgName, family == 2 && version == 2};
}

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value == nullptr ? fallback : std::strtoul(value, nullptr, 10);
}

// Large files as their size and hash, so that a failure stays readable.
FileTree comparable(FileTree tree) {
    for (auto& [path, bytes] : tree) {
        if (bytes.size() >= 4096) {
            bytes = std::to_string(bytes.size()) + " bytes, hash " +
                    std::to_string(std::hash<std::string>{}(bytes));
        }
    }
    return tree;
}

// By default twelve folders that hold every family, the manual settings and the sounds; the
// options are any a user might pick from those the identification enabled.
using RoundTripTest = MainDialogTest;
TEST_F(RoundTripTest, InstallThenUninstallGivesTheFolderBack) {
    const unsigned long seed = fromEnvironment("ZRK_ROUND_TRIP_SEED", 7);
    const unsigned long count = fromEnvironment("ZRK_ROUND_TRIP_COUNT", 12);
    for (unsigned long n = seed; n < seed + count && !HasFailure(); ++n) {
        SCOPED_TRACE("replay with ZRK_ROUND_TRIP_SEED=" + std::to_string(n) +
                     " ZRK_ROUND_TRIP_COUNT=1");
        std::mt19937 random(static_cast<std::mt19937::result_type>(n));
        TemporaryFolder folder;
        const auto [cfgName, asksManualSettings] = layOutRandomAircraft(random, folder);
        const bool soundPackage = random() % 2 == 0;
        if (soundPackage) {
            addSoundFolder();
        } else {
            std::filesystem::remove_all(startFolder() + "/../ZRK MD-11 sound");
        }
        const FileTree before = folder.tree();
        if (asksManualSettings) {
            frontEnd().queueInput("ManSetDialog", emulated::InputEvent::click(IDC_MANSET_OK));
        }
        chooseAircraftFile(folder.core(cfgName));
        const auto check = [&](int id, bool checked) {
            setCheckState(dialog(), id, checked ? BST_CHECKED : BST_UNCHECKED);
        };
        check(IDC_REALISTIC_BRAKES, random() % 2 == 0);
        check(IDC_ENGINE_SOUNDS, soundPackage && random() % 2 == 0);
        check(IDC_TRIMDESK, random() % 4 != 0);
        std::vector<int> layouts = options();
        std::erase_if(layouts,
                      [](int id) { return id < IDC_PAX_3_CLASSES || id > IDC_PAX_2_CLASSES; });
        ASSERT_FALSE(layouts.empty());
        click(layouts[random() % layouts.size()]);
        click(IDC_INSTALL);
        ASSERT_TRUE(statusText().ends_with("Panel installed successfully.")) << statusText();
        EXPECT_EQ(readNativeFile(folder.native(cfgName + "_ORIGINAL")), before.at(cfgName));
        chooseAircraftFile(folder.core(cfgName));
        click(IDC_UNINSTALL);
        EXPECT_EQ(comparable(folder.tree()), comparable(before));
    }
}

} // namespace
