// "Install": the panel alias in place of Panel\Panel.cfg, the configuration rewrite, the
// flight-dynamics, sound and load-editor files. Everything that could stop it half-way is
// checked before anything is touched; only the panel stage is undone on a later failure.
#include <cstring>

#include "analysis/aircraft_paths.h"
#include "analysis/result_codes.h"
#include "app/command_handlers.h"
#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "install/config_rewrite.h"
#include "install/folder_checks.h"
#include "install/load_editor.h"
#include "platform/text_file.h"
#include "resources/control_ids.h"

namespace {

constexpr const char* kPanelConfig = "Panel\\Panel.cfg";
// Each replaced file is written first under its own name with the last character made "_", the
// way the configuration rewrite names its new file, then put in place in one step.
constexpr const char* kNewPanelConfig = "Panel\\Panel.cf_";
constexpr const char* kSoundConfig = "Sound\\sound.cfg";
constexpr const char* kNewSoundConfig = "Sound\\sound.cf_";
constexpr const char* kFlightDynamics = "MD-11_zrk.air";
constexpr const char* kTuningResources = "tuning_res\\";
constexpr const char* kKeptSuffix = "_ORIGINAL";

constexpr const char* kNotInstalled = "\n\nPanel is not installed and your\naircraft was not "
                                      "modified.";
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

// A file of the aircraft replaced with its old bytes kept: its name, the new file's and the kept
// copy's.
struct Replaced {
    char path[kPathCapacity];
    char next[kPathCapacity];
    char kept[kPathCapacity];
};

struct InstallPaths {
    char folder[kPathCapacity];
    Replaced panel;
    Replaced sound;
    char flightDynamics[kPathCapacity];
};

bool composeReplaced(Replaced& file, const char* folder, const char* name, const char* next) {
    return composePath(file.path, {folder, name}) && composePath(file.next, {folder, next}) &&
           keptCopyPath(file.path, file.kept);
}

// The engine sounds change only an aircraft with its own sound configuration and no kept copy
// of one: otherwise the step leaves the sounds alone, as an earlier install may have kept them.
bool soundStepRuns(const InstallPaths& paths) {
    return installerState.installEngineSounds == 1 && pathExists(paths.sound.path) &&
           !pathExists(paths.sound.kept);
}

// Every entry Install reads, writes, replaces or removes, in the order it does so.
void planInstall(WindowHandle dialog, bool soundStep, EntryPlan& plan) {
    const EntryBase aircraft = EntryBase::aircraft;
    const EntryBase installer = EntryBase::installer;
    planEntry(plan, aircraft, EntryUse::folderToUse, "Panel");
    planEntry(plan, aircraft, EntryUse::fileToMove, kPanelConfig);
    planEntry(plan, aircraft, EntryUse::fileToWrite, kNewPanelConfig);
    planEntry(plan, aircraft, EntryUse::pathOnly, kPanelConfig, kKeptSuffix);
    char configTemp[kPathCapacity];
    composePath(configTemp, {configFileName(installerState.aircraftCfgPath)});
    configTemp[std::strlen(configTemp) - 1] = '_';
    planEntry(plan, aircraft, EntryUse::fileToMove, configFileName(installerState.aircraftCfgPath));
    planEntry(plan, aircraft, EntryUse::fileToWrite, configTemp);
    planEntry(plan, aircraft, EntryUse::fileToWrite, configFileName(installerState.aircraftCfgPath),
              kKeptSuffix);
    planEntry(plan, installer, EntryUse::pathOnly, kTuningResources, kFlightDynamics);
    planEntry(plan, aircraft, EntryUse::fileToWrite, kFlightDynamics);
    if (installerState.installEngineSounds == 1) {
        auto use = [soundStep](EntryUse used) { return soundStep ? used : EntryUse::pathOnly; };
        planEntry(plan, aircraft, use(EntryUse::folderToUse), "Sound");
        planEntry(plan, aircraft, use(EntryUse::fileToMove), kSoundConfig);
        planEntry(plan, aircraft, use(EntryUse::fileToWrite), kNewSoundConfig);
        planEntry(plan, aircraft, EntryUse::pathOnly, kSoundConfig, kKeptSuffix);
        planEntry(plan, installer, EntryUse::pathOnly, kTuningResources, "sound.cfg");
    }
    if (isButtonChecked(dialog, IDC_TRIMDESK)) {
        TrimdeskCopy copies[kMostTrimdeskCopies];
        std::size_t count = trimdeskCopies(dialog, copies);
        for (std::size_t i = 0; i < count; ++i) {
            planEntry(plan, installer, EntryUse::pathOnly, kTrimdeskResources, copies[i].source);
            planEntry(plan, aircraft, EntryUse::fileToWrite, copies[i].target);
        }
    }
}

// Composes what the steps below use; the plan has made sure that it all fits.
bool composeInstallPaths(InstallPaths& paths) {
    return composeReplaced(paths.panel, paths.folder, kPanelConfig, kNewPanelConfig) &&
           composePath(paths.flightDynamics, {paths.folder, kFlightDynamics}) &&
           (installerState.installEngineSounds != 1 ||
            composeReplaced(paths.sound, paths.folder, kSoundConfig, kNewSoundConfig));
}

// The new panel configuration is written beside the old one, then put in its place with the old
// one kept. Returns the message of the failure, or null.
const char* replacePanelConfig(const Replaced& panel) {
    if (!keepFile(panel.path, panel.kept)) {
        return kPanelNotRenamed;
    }
    TextFile* alias = openTextFile(panel.next, TextFileMode::write);
    bool written = alias != nullptr && writeText(alias, panelAlias(installerState.modelKind)) &&
                   writeText(alias, "\n");
    written = closeTextFile(alias) && written;
    if (!written || !replaceFile(panel.path, panel.next)) {
        deleteFile(panel.next);
        deleteFile(panel.kept);
        return kPanelNotCreated;
    }
    return nullptr;
}

void copyFromTuningResources(const char* name, const char* target) {
    char source[kPathCapacity];
    if (composePath(source, {installerState.startDirectory, kTuningResources, name})) {
        copyFile(source, target);
    }
}

// The aircraft's own sound configuration is kept and the product's put in its place; when the
// product's cannot be copied, the aircraft keeps its own, untouched.
void installEngineSounds(const Replaced& sound) {
    if (!keepFile(sound.path, sound.kept)) {
        return;
    }
    char source[kPathCapacity];
    if (!composePath(source, {installerState.startDirectory, kTuningResources, "sound.cfg"}) ||
        !copyFile(source, sound.next) || !replaceFile(sound.path, sound.next)) {
        deleteFile(sound.next);
        deleteFile(sound.kept);
    }
}

// The steps after the rewrite: none of them is reported.
void copyProductFiles(WindowHandle dialog, const InstallPaths& paths, bool soundStep) {
    copyFromTuningResources(kFlightDynamics, paths.flightDynamics);
    if (soundStep) {
        installEngineSounds(paths.sound);
    }
    if (isButtonChecked(dialog, IDC_TRIMDESK)) {
        installTrimdesk(dialog, paths.folder);
    }
}

// Runs the checks and the steps that can fail; shows the failure's box and returns false at the
// first one.
bool installFiles(WindowHandle dialog) {
    char message[kMessageCapacity];
    InstallPaths paths{};
    // Without a folder there is no Panel\Panel.cfg to find.
    if (!aircraftFolder(installerState.aircraftCfgPath, paths.folder)) {
        showError(dialog, kPanelMissing);
        return false;
    }
    // A path that does not fit is never composed: the plan names it before anything is looked at.
    bool composed = composeInstallPaths(paths);
    bool soundStep = composed && soundStepRuns(paths);
    EntryPlan plan;
    planInstall(dialog, soundStep, plan);
    if (!checkPathsFit(plan, kNotInstalled, message)) {
        showError(dialog, message);
        return false;
    }
    // Past the plan every path is composed.
    if (!pathExists(paths.panel.path)) {
        showError(dialog, kPanelMissing);
        return false;
    }
    // An earlier install that was not undone: its kept copy is never overwritten.
    if (pathExists(paths.panel.kept)) {
        showError(dialog, kPanelNotRenamed);
        return false;
    }
    if (!checkEntriesUsable(plan, kNotInstalled, message)) {
        showError(dialog, message);
        return false;
    }
    if (const char* failure = replacePanelConfig(paths.panel)) {
        showError(dialog, failure);
        return false;
    }
    if (ResultCode code = rewriteAircraftConfig(installerState.aircraftCfgPath); code != resultOk) {
        replaceFile(paths.panel.path, paths.panel.kept);
        composeRewriteMessage(code, message);
        showError(dialog, message);
        return false;
    }
    copyProductFiles(dialog, paths, soundStep);
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
