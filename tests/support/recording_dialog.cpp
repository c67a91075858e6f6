// The recording dialog procedure.
#include "tests/support/recording_dialog.h"

#include "platform/emulated/dialog_manager.h"

namespace {
DialogScript* active = nullptr;
} // namespace

std::vector<std::uintptr_t> DialogScript::commands(WindowHandle of) const {
    std::vector<std::uintptr_t> ids;
    for (const ReceivedMessage& r : received) {
        if (r.message == WM_COMMAND && (of == nullptr || r.dialog == of)) {
            ids.push_back(r.wParam);
        }
    }
    return ids;
}

std::vector<unsigned> DialogScript::messages() const {
    std::vector<unsigned> numbers;
    for (const ReceivedMessage& r : received) {
        numbers.push_back(r.message);
    }
    return numbers;
}

void setDialogScript(DialogScript* script) {
    active = script;
}

DialogResult PLATFORM_CALLBACK recordingDialogProc(WindowHandle dialog, unsigned message,
                                                   std::uintptr_t wParam, std::intptr_t lParam) {
    if (active == nullptr) {
        return 0;
    }
    const int id = static_cast<int>(wParam & 0xFFFF);
    active->received.push_back(
        {dialog, message, wParam, lParam, message == WM_COMMAND ? getCheckState(dialog, id) : 0});
    if (message == WM_INITDIALOG) {
        return active->initResult;
    }
    if (message == WM_CLOSE) {
        return active->handleClose ? 1 : 0;
    }
    if (message == WM_COMMAND && id == active->nestOn) {
        active->nestedResult =
            runModalDialog(windowModule(dialog), "ManSetDialog", dialog, recordingDialogProc, 7);
        return 1;
    }
    if (message == WM_COMMAND && id == active->endOn) {
        active->innermostAtEnd = emulated::innermostDialog();
        endDialog(dialog, active->endResult);
        return 1;
    }
    return 0;
}
