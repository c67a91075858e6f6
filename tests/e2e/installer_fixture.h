// Install.exe started in a prepared flight-simulator tree, for the tests that work its commands
// through its real dialogs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "tests/e2e/aircraft_layout.h"
#include "tests/e2e/installer_process.h"
#include "tests/support/test_files.h"

constexpr const char* kMainTitle = "ZRK MD11 Panel installer - version 1.16";
constexpr const char* kErrorCaption = "ERROR from ZRK MD11 Panel installer";
constexpr const char* kFileDialogTitle = "Please, search your FS2004 MD-11 aircraft";

// A temporary tree: the start folder Installer\ with its resource folders, the sibling folder
// "ZRK MD-11 sound" when asked for, and the aircraft under Aircraft\. The aircraft do not lie
// beside the start folder, so a file dialog that moved the current directory into an aircraft
// folder would lose the sound folder.
class InstallerTest : public ::testing::Test {
protected:
    // Lays out the start folder, starts Install.exe with it as current directory and waits for
    // the main dialog.
    void startInstaller(bool withSoundFolder);
    // Lays out Aircraft\<name>\; returns the full path of its aircraft.cfg.
    std::string addAircraft(const std::string& name, const AircraftFiles& aircraft);
    // Aircraft\<name>\ as a full path.
    std::string aircraftFolder(const std::string& name) const;

    // "Choose MD-11 aircraft", picking `path` the way a user types it whole into the file
    // dialog's name box and presses Open; typed so, Wine's dialog leaves the current directory
    // where it was (browsing into a folder would move it). Succeeds once the main dialog has
    // handled the choice or sits in a dialog that the choice opened.
    ::testing::AssertionResult chooseAircraft(const std::string& path);
    // The installer's error box once it is shown; null when none comes within kWaitMs, or when
    // the window of that caption is no message box.
    HWND waitForErrorBox() const;
    // Presses the box's OK; true once the box is destroyed and the main dialog answers again.
    bool closeBox(HWND box) const;

    // Text of the status static 1003.
    std::string status() const;
    // Which of the controls that an analysis or a command enables are enabled now.
    std::set<int> enabledOptions() const;
    // Which of the six cabin-layout radio buttons are checked now.
    std::set<int> checkedLayouts() const;

    TestFolder root;
    // Declared after the folder, so the installer ends before its files are removed.
    std::optional<InstallerProcess> installer;
    HWND dialog = nullptr;
};
