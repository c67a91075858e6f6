// "Uninstall": the kept copies put back and every file Install may have added deleted. The
// paths, the three kept files and everything the command would change are checked first; a
// failed check touches nothing.
#include "analysis/aircraft_paths.h"
#include "app/command_handlers.h"
#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "install/folder_checks.h"
#include "resources/control_ids.h"

namespace {

constexpr const char* kImpossible = "\n\nImpossible to uninstall.";
constexpr const char* kKeptConfigMissing =
    "Original \"aircraft.cfg\" file missing !!!\n\nImpossible to uninstall.";
constexpr const char* kAirFileMissing = "Original AIR file missing !!!\n\nImpossible to uninstall.";
constexpr const char* kKeptPanelMissing =
    "Original \"Panel.cfg\" file missing !!!\n\nImpossible to uninstall.";
constexpr const char* kPanelConfig = "Panel\\Panel.cfg";
constexpr const char* kSoundConfig = "Sound\\Sound.cfg";
constexpr const char* kKeptSuffix = "_ORIGINAL";

// Deleted in this order whether or not they exist, whichever cabin layout was installed.
constexpr const char* kAddedFiles[] = {
    "VORAZ11e.air",       "MD-11_zrk.air",      "TD-MD11-CARGO.bmp",  "TD-MD11-CARGO.ini",
    "TD-MD11-CBI-1C.bmp", "TD-MD11-CBI-1C.ini", "TD-MD11-CBI-2C.bmp", "TD-MD11-CBI-2C.ini",
    "TD-MD11-PAX-1C.bmp", "TD-MD11-PAX-1C.ini", "TD-MD11-PAX-2C.bmp", "TD-MD11-PAX-2C.ini",
    "TD-MD11-PAX-3C.bmp", "TD-MD11-PAX-3C.ini", "Trimdesk.exe",       "Trimdesk.ini",
};

struct UninstallPaths {
    char folder[kPathCapacity];
    char keptConfig[kPathCapacity];
    char airFile[kPathCapacity];
    char panel[kPathCapacity];
    char keptPanel[kPathCapacity];
    char sound[kPathCapacity];
    char keptSound[kPathCapacity];
};

// False when a path does not fit; the plan then says which.
bool composeUninstallPaths(UninstallPaths& paths) {
    return keptCopyPath(installerState.aircraftCfgPath, paths.keptConfig) &&
           composePath(paths.airFile, {paths.folder, installerState.simName, ".air"}) &&
           composePath(paths.panel, {paths.folder, kPanelConfig}) &&
           keptCopyPath(paths.panel, paths.keptPanel) &&
           composePath(paths.sound, {paths.folder, kSoundConfig}) &&
           keptCopyPath(paths.sound, paths.keptSound);
}

// Every entry the command looks at or changes; the sound entries only change when a kept sound
// configuration is there to put back.
void planUninstall(bool soundKept, EntryPlan& plan) {
    const EntryBase aircraft = EntryBase::aircraft;
    const char* config = configFileName(installerState.aircraftCfgPath);
    planEntry(plan, aircraft, EntryUse::fileToMove, config, kKeptSuffix);
    planEntry(plan, aircraft, EntryUse::pathOnly, installerState.simName, ".air");
    planEntry(plan, aircraft, EntryUse::folderToUse, "Panel");
    planEntry(plan, aircraft, EntryUse::fileToMove, kPanelConfig, kKeptSuffix);
    planEntry(plan, aircraft, EntryUse::fileToMove, kPanelConfig);
    planEntry(plan, aircraft, EntryUse::fileToMove, config);
    for (const char* name : kAddedFiles) {
        planEntry(plan, aircraft, EntryUse::fileToWrite, name);
    }
    EntryUse soundUse = soundKept ? EntryUse::fileToMove : EntryUse::pathOnly;
    planEntry(plan, aircraft, soundKept ? EntryUse::folderToUse : soundUse, "Sound");
    planEntry(plan, aircraft, soundUse, kSoundConfig, kKeptSuffix);
    planEntry(plan, aircraft, soundUse, kSoundConfig);
}

// The three checks of the kept files, in order. Returns the refusal message, or null.
const char* checkKeptFiles(const UninstallPaths& paths) {
    if (!pathExists(paths.keptConfig)) {
        return kKeptConfigMissing;
    }
    if (!pathExists(paths.airFile)) {
        return kAirFileMissing;
    }
    if (!pathExists(paths.keptPanel)) {
        return kKeptPanelMissing;
    }
    return nullptr;
}

// Checks everything before the first change. Returns false, with the refusal in message.
bool mayUninstall(UninstallPaths& paths, char (&message)[kMessageCapacity]) {
    // Without a folder no kept copy can be found beside the chosen file.
    if (!aircraftFolder(installerState.aircraftCfgPath, paths.folder)) {
        joinMessage(message, {kKeptConfigMissing});
        return false;
    }
    bool composed = composeUninstallPaths(paths);
    bool soundKept = composed && pathExists(paths.keptSound);
    EntryPlan plan;
    planUninstall(soundKept, plan);
    if (!checkPathsFit(plan, kImpossible, message)) {
        return false;
    }
    // Past the plan every path is composed.
    if (const char* refusal = checkKeptFiles(paths)) {
        joinMessage(message, {refusal});
        return false;
    }
    return checkEntriesUsable(plan, kImpossible, message);
}

void deleteInFolder(const char* folder, const char* name) {
    char path[kPathCapacity];
    if (composePath(path, {folder, name})) {
        deleteFile(path);
    }
}

// After the checks every step is attempted and none is reported. Each kept copy takes the place
// of the installed file in one step, so the aircraft's own file is never missing.
void restoreAircraft(const UninstallPaths& paths) {
    replaceFile(installerState.aircraftCfgPath, paths.keptConfig);
    replaceFile(paths.panel, paths.keptPanel);
    for (const char* name : kAddedFiles) {
        deleteInFolder(paths.folder, name);
    }
    if (pathExists(paths.keptSound)) {
        replaceFile(paths.sound, paths.keptSound);
    }
}

} // namespace

void uninstallPanel(WindowHandle dialog) {
    UninstallPaths paths{};
    char message[kMessageCapacity];
    if (!mayUninstall(paths, message)) {
        showError(dialog, message);
    } else {
        restoreAircraft(paths);
        appendStatusText(dialog, "Panel uninstalled successfully.");
        showControl(dialog, IDC_CHOOSE_SAME, SW_SHOW);
        beep(MB_OK);
    }
    enableControl(dialog, IDC_UNINSTALL, false);
}
