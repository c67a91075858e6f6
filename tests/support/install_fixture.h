// The fixture of the Install and Uninstall tests: the product's resources beside the installer and
// an aircraft of each model family.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/config_text.h"
#include "tests/support/main_dialog_fixture.h"

constexpr int kBrakes = IDC_REALISTIC_BRAKES;
constexpr int kSounds = IDC_ENGINE_SOUNDS;
inline const std::string kAlreadyInstalled = "ZRK MD-11 panel already installed.\n";
inline const std::string kOwnSound = "[own sounds]\r\nengine=1\r\n";

// An aircraft that identifies as one model family, and what a test does with it.
struct Family {
    const char* name;
    const char* sim;          // sim= value of every aircraft section
    std::uintmax_t airSize;   // of <sim>.air
    const char* modelFile;    // in the folder "model", or null
    std::uintmax_t modelSize; // chooses the version; 2000000 brings up "ManSetDialog"
    const char* panelSuffix;
    std::vector<int> clicks;  // after the choice; brakes and load editor start checked, sounds not
    std::string token;        // of the layout installed, or empty when the load editor is left out
    std::string missing = ""; // a resource taken away, whose copy then does not take place
};

// clang-format off
inline const Family kFamilies[] = {
    {"Corvane", "md11", 10015, nullptr, 0, "crvn", {kSounds, IDC_PAX_2_CLASSES}, "PAX-2C"},
    {"Overland", "Md11", 8756, nullptr, 0, "ovld", {kBrakes, IDC_PAX_1_CLASS}, "PAX-1C",
     "trimdesk_res/TD-MD11-PAX-1C.bmp"},
    {"Ifdg10", "MD-11", 8336, "MD11PG.mdl", 4127528, "ifdg", {kSounds}, "PAX-3C"}, // as it starts
    {"IfdgOther", "MD-11", 8336, "MD11PG.mdl", 2000000, "ifdg", {kBrakes, kSounds, IDC_TRIMDESK},
     "", "tuning_res/MD-11_zrk.air"},
    {"Combi", "MD-11", 8336, "MD11CG.mdl", 3153900, "ifdg", {kSounds}, "CBI-2C"},
    {"CombiPw", "MD-11", 8336, "MD11CP.mdl", 4127528, "ifdg", {kBrakes, kSounds, IDC_COMBI_1_CLASS},
     "CBI-1C"},
    {"Cargo", "MD-11", 8336, "MD11FP.mdl", 3153900, "ifdg", {}, "CARGO"},
};
// clang-format on

// Every file an Install of any layout or product version may add.
inline const char* const kAddedFiles[] = {
    "VORAZ11e.air",       "MD-11_zrk.air",      "TD-MD11-CARGO.bmp",  "TD-MD11-CARGO.ini",
    "TD-MD11-CBI-1C.bmp", "TD-MD11-CBI-1C.ini", "TD-MD11-CBI-2C.bmp", "TD-MD11-CBI-2C.ini",
    "TD-MD11-PAX-1C.bmp", "TD-MD11-PAX-1C.ini", "TD-MD11-PAX-2C.bmp", "TD-MD11-PAX-2C.ini",
    "TD-MD11-PAX-3C.bmp", "TD-MD11-PAX-3C.ini", "Trimdesk.exe",       "Trimdesk.ini"};

// aircraft.cfg up to the end of [General], with that sim=: what a rewrite copies.
inline std::string configHead(const std::string& sim) {
    return "// MD-11 as its author shipped it\n" + fltsim(sim, "", "MD-11", 0) +
           "texture=1\natc_airline=HOUSE\n\n" + fltsim(sim, "", "MD-11", 1) + "\n" +
           kGeneralSection + "editable=1\n\n";
}

// Different for each resource, with CR, LF, NUL and 0x1A among them.
inline std::string resourceBytes(const std::string& name) {
    return "resource " + name + std::string("\r\n\0\x1a\n", 5) + name;
}

class InstallFixture : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        std::vector<std::string> names = {"tuning_res/MD-11_zrk.air", "tuning_res/sound.cfg",
                                          "trimdesk_res/Trimdesk.exe"};
        for (const std::string t : {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"}) {
            names.insert(names.end(), {"trimdesk_res/Trimdesk-" + t + ".ini",
                                       "trimdesk_res/TD-MD11-" + t + ".ini",
                                       "trimdesk_res/TD-MD11-" + t + ".bmp"});
        }
        for (const std::string& name : names) {
            writeNativeFile(startFolder() + "/" + name, resourceBytes(name));
        }
    }
    // With its own Panel\Panel.cfg; a rewrite replaces the sections after [General].
    void layOut(const Family& family) { layOut(aircraft, family); }
    static void layOut(AircraftFolder& aircraft, const Family& family) {
        aircraft.writeConfig(configHead(family.sim) +
                             "[WEIGHT_AND_BALANCE]\nempty_weight=285000\n\n[flight_tuning]\n");
        aircraft.addFile(std::string(family.sim) + ".air", family.airSize);
        if (family.modelFile != nullptr) {
            aircraft.addFile(std::string("model\\") + family.modelFile, family.modelSize);
        }
        aircraft.writeTextFile("Panel\\Panel.cfg", "[Window Titles]\nWindow00=Main Panel\n");
    }
};
