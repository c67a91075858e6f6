// Program entry: the single-instance guard and the main dialog.
#include "app/program_entry.h"

#include "app/installer_texts.h"
#include "app/main_dialog.h"

int runInstaller(ModuleHandle module) {
    // The guard is never released: it ends with the process. A guard that cannot be created
    // for another reason lets the installer run without it.
    if (acquireInstanceGuard(kWindowTitle) == InstanceGuard::alreadyRunning) {
        beep(MB_ICONEXCLAMATION);
        showMessageBox(nullptr, kAlreadyRunningMessage, kErrorCaption, kErrorBoxStyle);
        return 0;
    }
    runModalDialog(module, kMainDialogName, nullptr, mainDialogProc, 0);
    return 1;
}
