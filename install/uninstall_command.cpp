// "Uninstall": the kept copies put back and every file Install may have added deleted. Three
// checks come first; a failed one touches nothing.
#include "analysis/aircraft_paths.h"
#include "app/command_handlers.h"
#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "resources/control_ids.h"

namespace {

constexpr const char* kKeptConfigMissing =
    "Original \"aircraft.cfg\" file missing !!!\n\nImpossible to uninstall.";
constexpr const char* kAirFileMissing = "Original AIR file missing !!!\n\nImpossible to uninstall.";
constexpr const char* kKeptPanelMissing =
    "Original \"Panel.cfg\" file missing !!!\n\nImpossible to uninstall.";

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
    char panel[kPathCapacity];
    char keptPanel[kPathCapacity];
};

// The three checks, in order; a path that cannot be composed counts as a missing file.
// Returns the refusal message, or null.
const char* checkKeptFiles(UninstallPaths& paths) {
    if (!keptCopyPath(installerState.aircraftCfgPath, paths.keptConfig) ||
        !pathExists(paths.keptConfig)) {
        return kKeptConfigMissing;
    }
    char airFile[kPathCapacity];
    if (!aircraftFolder(installerState.aircraftCfgPath, paths.folder) ||
        !composePath(airFile, {paths.folder, installerState.simName, ".air"}) ||
        !pathExists(airFile)) {
        return kAirFileMissing;
    }
    if (!composePath(paths.panel, {paths.folder, "Panel\\Panel.cfg"}) ||
        !keptCopyPath(paths.panel, paths.keptPanel) || !pathExists(paths.keptPanel)) {
        return kKeptPanelMissing;
    }
    return nullptr;
}

void deleteInFolder(const char* folder, const char* name) {
    char path[kPathCapacity];
    if (composePath(path, {folder, name})) {
        deleteFile(path);
    }
}

void restoreSoundConfig(const char* folder) {
    char sound[kPathCapacity];
    char keptSound[kPathCapacity];
    if (composePath(sound, {folder, "Sound\\Sound.cfg"}) && keptCopyPath(sound, keptSound) &&
        pathExists(keptSound)) {
        deleteFile(sound);
        moveFile(keptSound, sound);
    }
}

// After the checks every step is attempted and none is reported.
void restoreAircraft(const UninstallPaths& paths) {
    deleteFile(paths.panel);
    deleteFile(installerState.aircraftCfgPath);
    moveFile(paths.keptConfig, installerState.aircraftCfgPath);
    moveFile(paths.keptPanel, paths.panel);
    for (const char* name : kAddedFiles) {
        deleteInFolder(paths.folder, name);
    }
    restoreSoundConfig(paths.folder);
}

} // namespace

void uninstallPanel(WindowHandle dialog) {
    UninstallPaths paths{};
    if (const char* refusal = checkKeptFiles(paths)) {
        showError(dialog, refusal);
    } else {
        restoreAircraft(paths);
        appendStatusText(dialog, "Panel uninstalled successfully.");
        showControl(dialog, IDC_CHOOSE_SAME, SW_SHOW);
        beep(MB_OK);
    }
    enableControl(dialog, IDC_UNINSTALL, false);
}
