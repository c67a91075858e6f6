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

inline constexpr AircraftModel kCorvane{"Corvane", "md11", 10015, nullptr, 0, false, "crvn"};
inline constexpr AircraftModel kOverland{"Overland", "Md11", 8756, nullptr, 0, false, "ovld"};
inline constexpr AircraftModel kIfdg10{"Ifdg10", "MD-11", 8336,  "MD11PG.mdl",
                                       4127528,  false,   "ifdg"};
inline constexpr AircraftModel kIfdg15{"Ifdg15", "MD-11", 8336,  "MD11PP.mdl",
                                       3153900,  false,   "ifdg"};
inline constexpr AircraftModel kIfdgUnknown{"IfdgUnknown", "MD-11", 8336,  "MD11PG.mdl",
                                            2000000,       true,    "ifdg"};
inline constexpr AircraftModel kIfdgCombi{"IfdgCombi", "MD-11", 8336,  "MD11CG.mdl",
                                          3153900,     false,   "ifdg"};
inline constexpr AircraftModel kIfdgCombiPw{"IfdgCombiPw", "MD-11", 8336,  "MD11CP.mdl",
                                            4127528,       false,   "ifdg"};
inline constexpr AircraftModel kIfdgCargo{"IfdgCargo", "MD-11", 8336,  "MD11FP.mdl",
                                          3153900,     false,   "ifdg"};

inline constexpr const char* kLayoutTokens[] = {"PAX-3C", "PAX-2C", "PAX-1C",
                                                "CBI-2C", "CBI-1C", "CARGO"};
inline const std::string kAlreadyInstalled = "ZRK MD-11 panel already installed.\n";

// The test aircraft's aircraft.cfg up to the end of its [General] section, with simName in
// both aircraft sections: what a rewrite copies.
std::string configHead(const std::string& simName);
// Bytes of a resource file: different for each name, with CR, LF, NUL and 0x1A among them.
std::string resourceBytes(const std::string& name);

class InstallDialogTest : public MainDialogTest {
protected:
    // Lays out every resource file (tuning_res\ and trimdesk_res\) in the start folder.
    void SetUp() override;

    AircraftFolder& aircraft() { return aircraft_; }
    // The aircraft of that family with its own Panel\Panel.cfg.
    void layOutAircraft(const AircraftModel& model, LineEnds lineEnds = LineEnds::crlf);
    // "Choose MD-11 aircraft" answered with the aircraft's aircraft.cfg, or "Choose same";
    // "ManSetDialog" is confirmed as proposed whenever the aircraft on disk brings it up.
    void chooseAircraft(bool same = false);
    // Clicks a main-dialog control; a disabled or hidden one fails the test.
    void click(int id);
    std::string statusText() { return control(IDC_STATUS).text; }
    std::size_t noticeCount() { return frontEnd().notices().size(); }
    // The only notice since mark: the installer's error box with that text, owned by the
    // dialog, or for an empty text the default beep.
    void expectOnlyNotice(std::size_t mark, const std::string& errorText = "");
    // "Install", its nine options and "Uninstall" are disabled, as after every Install and
    // Uninstall; "Choose MD-11 aircraft" and "Quit" are not.
    void expectCommandControls(bool chooseSameShown);

private:
    AircraftFolder aircraft_;
    const AircraftModel* model_ = nullptr;
};
