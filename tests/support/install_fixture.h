// Fixture for dialog tests of "Install" and "Uninstall": an aircraft of one model family in a
// real temporary folder, the resource folders in the start folder, and the commands clicked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/control_ids.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/main_dialog_fixture.h"
#include "tests/support/test_files.h"

// What makes an aircraft folder identify as one model family.
struct AircraftModel {
    const char* name;         // for test names
    const char* simName;      // sim= value of every aircraft section
    std::uintmax_t airSize;   // size of <simName>.air
    const char* modelFile;    // in the folder "model" (letters 5 and 6: type, engines), or null
    std::uintmax_t modelSize; // its size chooses the version
    bool asksManualSettings;  // a version not identified brings up "ManSetDialog"
};

inline constexpr AircraftModel kCorvane{"Corvane", "md11", 10015, nullptr, 0, false};
inline constexpr AircraftModel kOverland{"Overland", "Md11", 8756, nullptr, 0, false};
inline constexpr AircraftModel kIfdg10{"Ifdg10", "MD-11", 8336, "MD11PG.mdl", 4127528, false};
inline constexpr AircraftModel kIfdg15{"Ifdg15", "MD-11", 8336, "MD11PP.mdl", 3153900, false};
inline constexpr AircraftModel kIfdgUnknown{"IfdgUnknownVersion", "MD-11", 8336,
                                            "MD11PG.mdl",         2000000, true};
inline constexpr AircraftModel kIfdgCombi{"IfdgCombi", "MD-11", 8336, "MD11CG.mdl", 3153900, false};
inline constexpr AircraftModel kIfdgCargo{"IfdgCargo", "MD-11", 8336, "MD11FP.mdl", 3153900, false};

// The test aircraft's aircraft.cfg up to the end of its [General] section, with simName in
// both aircraft sections: what a rewrite copies.
std::string configHead(const std::string& simName);
// The whole aircraft.cfg: configHead and the sections a rewrite replaces.
std::string aircraftConfig(const std::string& simName);

// Bytes of a resource file: different for each name, with CR, LF, NUL and 0x1A among them.
std::string resourceBytes(const std::string& name);

class InstallDialogTest : public MainDialogTest {
protected:
    // Lays out every resource file (tuning_res\ and trimdesk_res\) in the start folder.
    void SetUp() override;

    AircraftFolder& aircraft() { return aircraft_; }
    // The aircraft of that family with its own Panel\Panel.cfg.
    void layOutAircraft(const AircraftModel& model, LineEnds lineEnds = LineEnds::crlf);
    // Removes a resource file of the start folder ("tuning_res/MD-11_zrk.air").
    void removeResource(const std::string& relative) const;

    // "Choose MD-11 aircraft" answered with the aircraft's aircraft.cfg; "ManSetDialog" is
    // confirmed as proposed whenever the aircraft as it stands on disk brings it up.
    void chooseAircraft();
    void clickInstall();
    void clickUninstall();
    void clickChooseSame();
    // The whole way to an installed aircraft chosen again: sound package and the aircraft's
    // own Sound\Sound.cfg, engine sounds checked, Install, then the choice again.
    void installAndChooseAgain(const AircraftModel& model);

    std::string statusText() { return control(IDC_STATUS).text; }
    std::vector<ScriptedFrontEnd::Notice> noticesSince(std::size_t mark);
    // The only notice since mark is the installer's error box, owned by the dialog.
    void expectOnlyErrorBox(std::size_t mark, const std::string& text);
    // The only notice since mark is the default beep.
    void expectOnlySuccessBeep(std::size_t mark);
    // "Install" and its nine options are disabled; "Choose MD-11 aircraft" and "Quit" not.
    void expectInstallControlsDisabled();

private:
    void queueManualSettingsIfAsked();

    AircraftFolder aircraft_;
    const AircraftModel* model_ = nullptr;
};
