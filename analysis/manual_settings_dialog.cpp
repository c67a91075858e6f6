// Manual tuning settings: which wing lights come from effects, and the fold and hook commands.
#include "analysis/manual_settings_dialog.h"

#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "app/installer_texts.h"
#include "resources/control_ids.h"

namespace {

void proposeDefaults(WindowHandle dialog) {
    beep(MB_ICONEXCLAMATION);
    setCheckState(dialog, IDC_NAV_LIGHTS_FX, BST_CHECKED);
    setCheckState(dialog, IDC_STROBE_LIGHTS_FX, BST_CHECKED);
    setCheckState(dialog, IDC_FOLD_AND_HOOK, BST_CHECKED);
}

// The MDL buttons are never read: an FX button that is not checked means MDL.
void confirmSettings(WindowHandle dialog) {
    installerState.wingLightsMode = wingLightsFromModel;
    installerState.foldAndHookCommands = 0;
    if (isButtonChecked(dialog, IDC_NAV_LIGHTS_FX)) {
        installerState.wingLightsMode += wingNavFromEffects;
    }
    if (isButtonChecked(dialog, IDC_STROBE_LIGHTS_FX)) {
        installerState.wingLightsMode += wingStrobesFromEffects;
    }
    if (isButtonChecked(dialog, IDC_FOLD_AND_HOOK)) {
        installerState.foldAndHookCommands = 1;
    }
    endDialog(dialog, 0);
}

} // namespace

DialogResult PLATFORM_CALLBACK manualSettingsDialogProc(WindowHandle dialog, unsigned message,
                                                        std::uintptr_t wParam,
                                                        std::intptr_t /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        proposeDefaults(dialog);
        return 1;
    case WM_COMMAND:
        if ((wParam & 0xFFFF) == IDC_MANSET_OK) {
            confirmSettings(dialog);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

void askManualSettings(WindowHandle owner) {
    runModalDialog(installerState.appInstance, kManualSettingsDialogName, owner,
                   manualSettingsDialogProc, 0);
}
