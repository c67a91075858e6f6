// Fixture for dialog tests of "Install" and "Uninstall": an aircraft of one model family in a
// real temporary folder, the resource folders in the start folder, and the commands clicked.
#pragma once

#include <cstdint>
#include <string>

#include "resources/control_ids.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/main_dialog_fixture.h"

// What makes an aircraft folder identify as one model family, and its panel alias suffix.
struct AircraftModel {
    const char* name;         // for test names
    const char* simName;      // sim= value of every aircraft section
    std::uintmax_t airSize;   // size of <simName>.air
    const char* modelFile;    // in the folder "model" (letters 5 and 6: type, engines), or null
    std::uintmax_t modelSize; // its size chooses the version
    bool asksManualSettings;  // a version not identified brings up "ManSetDialog"
    const char* panelSuffix;
};

constexpr AircraftModel kCorvane{"Corvane", "md11", 10015, nullptr, 0, false, "crvn"};
constexpr AircraftModel kOverland{"Overland", "Md11", 8756, nullptr, 0, false, "ovld"};
constexpr AircraftModel kIfdg10{"Ifdg10", "MD-11", 8336, "MD11PG.mdl", 4127528, false, "ifdg"};
constexpr AircraftModel kIfdgOther{"IfdgOther", "MD-11", 8336, "MD11PG.mdl", 2000000, true, "ifdg"};
constexpr AircraftModel kCombi{"Combi", "MD-11", 8336, "MD11CG.mdl", 3153900, false, "ifdg"};
constexpr AircraftModel kCombiPw{"CombiPw", "MD-11", 8336, "MD11CP.mdl", 4127528, false, "ifdg"};
constexpr AircraftModel kCargo{"Cargo", "MD-11", 8336, "MD11FP.mdl", 3153900, false, "ifdg"};
const std::string kAlreadyInstalled = "ZRK MD-11 panel already installed.\n";

// The test aircraft's aircraft.cfg up to the end of [General], with simName: what a rewrite copies.
std::string configHead(const std::string& simName);
// Bytes of a resource file: different for each name, with CR, LF, NUL and 0x1A among them.
std::string resourceBytes(const std::string& name);

class InstallDialogTest : public MainDialogTest {
protected:
    void SetUp() override; // every resource file (tuning_res\, trimdesk_res\) in the start folder
    AircraftFolder& aircraft() { return aircraft_; }
    // The aircraft of that family with its own Panel\Panel.cfg.
    void layOutAircraft(const AircraftModel& model);
    // "Choose MD-11 aircraft" answered with the aircraft's aircraft.cfg; "ManSetDialog" is
    // confirmed as proposed whenever the aircraft on disk brings it up.
    void chooseAircraft();
    // Clicks a main-dialog control; a disabled or hidden one fails the test.
    void click(int id);
    std::string statusText() { return control(IDC_STATUS).text; }
    // The one notice since the last click: the error box with that text, or without one the beep.
    void expectOnlyNotice(const std::string& errorText = "");
    // Install, its nine options and Uninstall disabled, as after every Install and Uninstall.
    void expectCommandControls(bool chooseSameShown);

private:
    AircraftFolder aircraft_;
    const AircraftModel* model_ = nullptr;
    std::size_t noticesBeforeClick_ = 0;
};
