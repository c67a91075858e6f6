// "Install": the panel alias in place of Panel\Panel.cfg, the configuration rewrite, the
// flight-dynamics, sound and load-editor files. Only the panel stage is undone on failure.
#include "analysis/aircraft_paths.h"
#include "analysis/result_codes.h"
#include "app/command_handlers.h"
#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "install/config_rewrite.h"
#include "install/load_editor.h"
#include "platform/text_file.h"
#include "resources/control_ids.h"

namespace {

constexpr const char* kPanelConfig = "Panel\\Panel.cfg";
constexpr const char* kSoundConfig = "Sound\\sound.cfg";
constexpr const char* kFlightDynamics = "MD-11_zrk.air";

constexpr const char* kPanelMissing = "Unable to found original \"Panel.cfg\" file !!!\n\nPanel is "
                                      "not installed and your\naircraft was not modified.";
constexpr const char* kPanelNotRenamed = "Unable to rename original \"Panel.cfg\" file !!!\n\n"
                                         "Panel is not installed and your\naircraft was not "
                                         "modified.";
constexpr const char* kPanelNotCreated = "Unable to create new \"Panel.cfg\" file !!!\n\nPanel "
                                         "is not installed and your\naircraft was not modified.";

// Disabled in this order at the end of every Install, whatever its outcome.
constexpr int kInstallControls[] = {IDC_INSTALL,     IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS,
                                    IDC_TRIMDESK,    IDC_PAX_3_CLASSES,    IDC_PAX_2_CLASSES,
                                    IDC_PAX_1_CLASS, IDC_COMBI_2_CLASSES,  IDC_COMBI_1_CLASS,
                                    IDC_CARGO};

const char* panelAlias(std::int32_t modelKind) {
    switch (modelKind) {
    case modelCorvane:
        return "[fltsim]\nalias=ZRK MD-11 panel\\panel.crvn";
    case modelOverland:
        return "[fltsim]\nalias=ZRK MD-11 panel\\panel.ovld";
    default:
        return "[fltsim]\nalias=ZRK MD-11 panel\\panel.ifdg";
    }
}

struct InstallPaths {
    char folder[kPathCapacity];
    char panel[kPathCapacity];
    char keptPanel[kPathCapacity];
};

// Every aircraft-folder name Install composes is at most as long as the kept panel copy's, so
// a folder that holds that one holds them all.
bool composeInstallPaths(InstallPaths& paths) {
    return aircraftFolder(installerState.aircraftCfgPath, paths.folder) &&
           composePath(paths.panel, {paths.folder, kPanelConfig}) &&
           keptCopyPath(paths.panel, paths.keptPanel);
}

void restorePanel(const InstallPaths& paths) {
    deleteFile(paths.panel);
    moveFile(paths.keptPanel, paths.panel);
}

// The panel alias replaces Panel\Panel.cfg; the aircraft's own file is kept beside it. Returns
// the message of the failure, or null.
const char* replacePanelConfig(const InstallPaths& paths) {
    TextFile* alias = openTextFile(paths.panel, TextFileMode::write);
    if (alias == nullptr) {
        restorePanel(paths);
        return kPanelNotCreated;
    }
    writeText(alias, panelAlias(installerState.modelKind));
    writeText(alias, "\n");
    closeTextFile(alias);
    return nullptr;
}

void copyFromTuningResources(const char* name, const char* target) {
    char source[kPathCapacity];
    if (composePath(source, {installerState.startDirectory, "tuning_res\\", name})) {
        copyFile(source, target);
    }
}

// The aircraft's own sound configuration is kept; only then is the product's copied in.
void installEngineSounds(const InstallPaths& paths) {
    char sound[kPathCapacity];
    char keptSound[kPathCapacity];
    if (composePath(sound, {paths.folder, kSoundConfig}) && keptCopyPath(sound, keptSound) &&
        moveFile(sound, keptSound)) {
        copyFromTuningResources("sound.cfg", sound);
    }
}

// The steps after the rewrite: nothing here can fail visibly.
void copyProductFiles(WindowHandle dialog, const InstallPaths& paths) {
    char flightDynamics[kPathCapacity];
    if (composePath(flightDynamics, {paths.folder, kFlightDynamics})) {
        copyFromTuningResources(kFlightDynamics, flightDynamics);
    }
    if (installerState.installEngineSounds == 1) {
        installEngineSounds(paths);
    }
    if (isButtonChecked(dialog, IDC_TRIMDESK)) {
        installTrimdesk(dialog, paths.folder);
    }
}

// Runs the steps that can fail; shows the failure's box and returns false at the first one.
bool installFiles(WindowHandle dialog) {
    InstallPaths paths{};
    // A folder too deep for the names Install composes cannot be reached: the panel
    // configuration counts as not found, and nothing is touched.
    if (!composeInstallPaths(paths) || !pathExists(paths.panel)) {
        showError(dialog, kPanelMissing);
        return false;
    }
    if (!moveFile(paths.panel, paths.keptPanel)) {
        showError(dialog, kPanelNotRenamed);
        return false;
    }
    if (const char* failure = replacePanelConfig(paths)) {
        showError(dialog, failure);
        return false;
    }
    if (ResultCode code = rewriteAircraftConfig(installerState.aircraftCfgPath); code != resultOk) {
        restorePanel(paths);
        char message[kMessageCapacity];
        composeRewriteMessage(code, message);
        showError(dialog, message);
        return false;
    }
    copyProductFiles(dialog, paths);
    return true;
}

} // namespace

void installPanel(WindowHandle dialog) {
    installerState.realisticBrakes = isButtonChecked(dialog, IDC_REALISTIC_BRAKES) ? 1 : 0;
    installerState.installEngineSounds =
        installerState.soundPackagePresent != 0 && isButtonChecked(dialog, IDC_ENGINE_SOUNDS) ? 1
                                                                                              : 0;
    if (installFiles(dialog)) {
        appendStatusText(dialog, "Panel installed successfully.");
        beep(MB_OK);
    }
    for (int id : kInstallControls) {
        enableControl(dialog, id, false);
    }
}
