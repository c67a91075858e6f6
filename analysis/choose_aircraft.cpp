// "Choose MD-11 aircraft": the reset, the file choice, the scanner's verdict and the
// identification. Every way out sets reuseLastChoice back to 0.
#include <cstring>

#include "analysis/config_scanner.h"
#include "analysis/identification.h"
#include "analysis/result_codes.h"
#include "app/command_handlers.h"
#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "resources/control_ids.h"

namespace {

constexpr const char* kSoundFolder = "..\\ZRK MD-11 sound";
constexpr const char* kOpenFileTitle = "Please, search your FS2004 MD-11 aircraft";
constexpr const char* kProposedFileName = "aircraft.cfg";
constexpr std::uint32_t kOpenFileFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

// The controls that only an identification enables, in the order they are disabled.
constexpr int kOptionControls[] = {IDC_TRIMDESK,    IDC_PAX_3_CLASSES,   IDC_PAX_2_CLASSES,
                                   IDC_PAX_1_CLASS, IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS,
                                   IDC_CARGO,       IDC_INSTALL,         IDC_UNINSTALL};

// Back to the state before any analysis; check marks are left as they are. The sibling sound
// folder is looked for relative to the current directory.
void resetDialog(WindowHandle dialog) {
    showControl(dialog, IDC_CHOOSE_SAME, SW_HIDE);
    setControlText(dialog, IDC_FOLDER_NAME, "");
    setControlText(dialog, IDC_STATUS, "");
    enableControl(dialog, IDC_REALISTIC_BRAKES, false);
    enableControl(dialog, IDC_ENGINE_SOUNDS, false);
    installerState.soundPackagePresent = pathExists(kSoundFolder) ? 1 : 0;
    for (int id : kOptionControls) {
        enableControl(dialog, id, false);
    }
}

// Asks for the file unless "Choose same" already put the path in place.
void chooseFile() {
    installerState.fileChosen = 1;
    if (installerState.reuseLastChoice != 0) {
        return;
    }
    FileOpenRequest& request = installerState.openFileRequest;
    request.title = kOpenFileTitle;
    request.flags = kOpenFileFlags;
    std::strcpy(installerState.aircraftCfgPath, kProposedFileName);
    if (!requestOpenFile(&request)) {
        installerState.fileChosen = 0;
        return;
    }
    std::memcpy(installerState.previousCfgPath, installerState.aircraftCfgPath, kPathCapacity);
}

// Static 1002 names the folder that holds the chosen file.
void showFolderName(WindowHandle dialog) {
    char path[kPathCapacity];
    std::memcpy(path, installerState.aircraftCfgPath, kPathCapacity);
    path[kPathCapacity - 1] = '\0';
    char* last = std::strrchr(path, '\\');
    if (last == nullptr) {
        return;
    }
    *last = '\0';
    char* before = std::strrchr(path, '\\');
    setControlText(dialog, IDC_FOLDER_NAME, before != nullptr ? before + 1 : path);
}

void analyseChosenFile(WindowHandle dialog) {
    showFolderName(dialog);
    ResultCode code = scanAircraftConfig(installerState.aircraftCfgPath);
    if (code != resultOk) {
        char message[kMessageCapacity];
        composeScanMessage(code, message);
        showError(dialog, message);
        return;
    }
    showIdentification(dialog);
}

} // namespace

void chooseAircraft(WindowHandle dialog) {
    resetDialog(dialog);
    chooseFile();
    if (installerState.fileChosen != 0) {
        analyseChosenFile(dialog);
    }
    installerState.reuseLastChoice = 0;
}
