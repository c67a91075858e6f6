// Small helpers for tests of dialogs.
#include "tests/support/dialog_test_helpers.h"

#include "platform/emulated/dialog_manager.h"

std::string dialogSnapshot(WindowHandle dialog, bool withCheckStates, bool withFocus) {
    std::string text = emulated::dialogTitle(dialog);
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "|" + std::string at -O3.
    if (withFocus) {
        text.append("|focus ").append(std::to_string(emulated::focusedControlId(dialog)));
    }
    for (const emulated::ControlView& c : emulated::dialogControls(dialog)) {
        text.append("|").append(std::to_string(c.id)).append(":").append(c.text);
        text.append(c.enabled ? ":enabled" : "").append(c.visible ? ":visible" : "");
        if (withCheckStates) {
            text.append(":check ").append(std::to_string(c.checkState));
        }
    }
    return text;
}

ModuleHandle testModule() {
    static char marker;
    return reinterpret_cast<ModuleHandle>(&marker);
}
