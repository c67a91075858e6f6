// Aircraft folders and the installer's start folder, laid out on disk by the test driver for
// the real Install.exe to find.
#pragma once

#include <cstdint>
#include <string>

// What identification looks at in an aircraft folder.
struct AircraftFiles {
    const char* sim;         // the sim= value; the flight-dynamics file is named after it
    std::uint32_t airSize;   // size of that .air file
    const char* modelFile;   // the model file in the folder named model
    std::uint32_t modelSize; // its size, which tells the iFDG versions apart
    const char* panel = "";  // what follows panel=
};

// Files of the folder as the tests write them (CR LF line ends, as the simulator's own).
constexpr const char* kPanelCfg = "[Window Titles]\r\nWindow00=Main Panel\r\n";
constexpr const char* kSoundCfg = "[Sound]\r\nengine=stock\r\n";

// aircraft.cfg for one aircraft section: the section, [General], and a weight section after it.
std::string aircraftConfig(const std::string& title, const AircraftFiles& aircraft);

// Lays out an aircraft folder (Windows form, the folders on the way created): aircraft.cfg,
// the .air file and model\<modelFile> at their sizes, Panel\Panel.cfg and Sound\sound.cfg.
void layOutAircraft(const std::string& folder, const AircraftFiles& aircraft);

// The installer's start folder: tuning_res (MD-11_zrk.air, sound.cfg) and trimdesk_res
// (Trimdesk.exe and the three files of each of the six cabin layouts). Each file's text names
// the file, so a copy shows where it came from: see resourceText.
void layOutStartFolder(const std::string& folder);
std::string resourceText(const std::string& relativeName);

// A file of exactly `size` bytes, made by moving its end (sparse under Wine); false on failure.
bool makeSizedFile(const std::string& path, std::uint64_t size);
