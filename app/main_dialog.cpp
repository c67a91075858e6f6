// The main dialog procedure: initialisation, "Quit", the close box, "Choose same" and the
// dispatch of the other commands to their handlers.
#include "app/main_dialog.h"

#include <cstring>

#include "app/command_handlers.h"
#include "app/installer_state.h"
#include "app/installer_texts.h"
#include "resources/control_ids.h"

namespace {

void recordStartDirectory() {
    char* dir = installerState.startDirectory;
    getCurrentDirectory(dir, kPathCapacity);
    std::size_t length = std::strlen(dir);
    // A drive root already ends in a backslash. A directory whose name fills the whole field
    // cannot take one more character; the field then stays as the query left it.
    if ((length == 0 || dir[length - 1] != '\\') && length + 1 < kPathCapacity) {
        dir[length] = '\\';
        dir[length + 1] = '\0';
    }
}

void prepareOpenFileRequest(WindowHandle dialog) {
    FileOpenRequest& request = installerState.openFileRequest;
    request = FileOpenRequest{};
    request.structSize = 76;
    request.owner = dialog;
    request.fileBuffer = installerState.aircraftCfgPath;
    request.fileBufferSize = kPathCapacity;
}

void initialiseMainDialog(WindowHandle dialog) {
    installerState.appInstance = windowModule(dialog);
    recordStartDirectory();
    setWindowTitle(dialog, kWindowTitle);
    prepareOpenFileRequest(dialog);
    setCheckState(dialog, IDC_REALISTIC_BRAKES, BST_CHECKED);
    setCheckState(dialog, IDC_TRIMDESK, BST_CHECKED);
    setCheckState(dialog, IDC_PAX_3_CLASSES, BST_CHECKED);
}

void chooseSame(WindowHandle dialog) {
    installerState.reuseLastChoice = 1;
    std::memcpy(installerState.aircraftCfgPath, installerState.previousCfgPath, kPathCapacity);
    sendCommand(dialog, IDC_CHOOSE_AIRCRAFT);
    showControl(dialog, IDC_CHOOSE_SAME, SW_HIDE);
}

void quit(WindowHandle dialog) {
    endDialog(dialog, 0);
}

struct CommandEntry {
    int id;
    void (*handler)(WindowHandle dialog);
};

// The commands the dialog reacts to. Clicks on the check boxes and radio buttons are left to
// the platform (they toggle themselves) and reported as not handled.
constexpr CommandEntry kCommands[] = {
    {IDC_QUIT, quit},
    {IDC_CHOOSE_AIRCRAFT, chooseAircraft},
    {IDC_INSTALL, installPanel},
    {IDC_UNINSTALL, uninstallPanel},
    {IDC_CHOOSE_SAME, chooseSame},
};

DialogResult dispatchCommand(WindowHandle dialog, int id) {
    if (id < IDC_QUIT || id > IDC_CHOOSE_SAME) {
        return 0;
    }
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == id) {
            entry.handler(dialog);
            return 1;
        }
    }
    return 0;
}

} // namespace

DialogResult PLATFORM_CALLBACK mainDialogProc(WindowHandle dialog, unsigned message,
                                              std::uintptr_t wParam, std::intptr_t /*lParam*/) {
    switch (message) {
    case WM_CLOSE:
        endDialog(dialog, 0);
        return 1;
    case WM_INITDIALOG:
        initialiseMainDialog(dialog);
        return 1;
    case WM_COMMAND:
        return dispatchCommand(dialog, static_cast<int>(wParam & 0xFFFF));
    default:
        return 0;
    }
}
