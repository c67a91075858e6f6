// Small helpers for tests of dialogs.
#include "tests/support/dialog_test_helpers.h"

#include "platform/emulated/dialog_manager.h"

std::string dialogSnapshot(WindowHandle dialog, bool withCheckStates, bool withFocus) {
    std::string text = emulated::dialogTitle(dialog);
    if (withFocus) {
        text += "|focus " + std::to_string(emulated::focusedControlId(dialog));
    }
    for (const emulated::ControlView& c : emulated::dialogControls(dialog)) {
        text += "|" + std::to_string(c.id) + ":" + c.text + (c.enabled ? ":enabled" : "") +
                (c.visible ? ":visible" : "");
        if (withCheckStates) {
            text += ":check " + std::to_string(c.checkState);
        }
    }
    return text;
}

ModuleHandle testModule() {
    static char marker;
    return reinterpret_cast<ModuleHandle>(&marker);
}
