// Modal dialogs of the emulated manager: the loop that asks the front end for input until the
// procedure ends the dialog, and the test entry that opens a dialog without a loop.
#include "platform/emulated/dialog_manager.h"
#include "platform/emulated/live_dialog.h"

namespace {

using emulated::detail::LiveDialog;

// Keeps a modal dialog registered exactly as long as its loop runs, also when a procedure
// throws through it.
class ModalScope {
public:
    ModalScope(const DialogTemplate& layout, ModuleHandle module, WindowHandle owner,
               DialogProc proc)
        : dialog_(emulated::detail::createDialog(layout, module, owner, proc)) {}
    ~ModalScope() { emulated::detail::destroyDialog(dialog_); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    LiveDialog& dialog() { return dialog_; }

private:
    LiveDialog& dialog_;
};

} // namespace

DialogResult runModalDialog(ModuleHandle module, const char* templateName, WindowHandle owner,
                            DialogProc proc, std::intptr_t param) {
    const DialogTemplate* layout =
        templateName == nullptr ? nullptr : findDialogTemplate(templateName);
    if (layout == nullptr || proc == nullptr || emulated::activeFrontEnd() == nullptr) {
        return -1;
    }
    ModalScope scope(*layout, module, owner, proc);
    LiveDialog& dialog = scope.dialog();
    WindowHandle handle = emulated::detail::handleOf(dialog);
    emulated::detail::initialiseDialog(dialog, param);
    while (!dialog.ended) {
        emulated::FrontEnd* frontEnd = emulated::activeFrontEnd();
        const emulated::InputEvent input =
            frontEnd != nullptr ? frontEnd->nextInput(handle)
                                : emulated::InputEvent::key(emulated::InputKind::abandon);
        emulated::deliverInput(handle, input);
    }
    return dialog.result;
}

void endDialog(WindowHandle dialog, DialogResult result) {
    if (LiveDialog* live = emulated::detail::findDialog(dialog)) {
        live->ended = true;
        live->result = result;
    }
}

DialogResult sendCommand(WindowHandle dialog, int id) {
    LiveDialog* live = emulated::detail::findDialog(dialog);
    return live == nullptr ? 0 : emulated::detail::sendCommandTo(*live, id);
}

namespace emulated {

WindowHandle openDialogForTest(const char* templateName, DialogProc proc, ModuleHandle module,
                               std::intptr_t param) {
    const DialogTemplate* layout =
        templateName == nullptr ? nullptr : findDialogTemplate(templateName);
    return layout == nullptr ? nullptr : openDialogForTest(*layout, proc, module, param);
}

WindowHandle openDialogForTest(const DialogTemplate& layout, DialogProc proc, ModuleHandle module,
                               std::intptr_t param) {
    if (proc == nullptr) {
        return nullptr;
    }
    LiveDialog& dialog = detail::createDialog(layout, module, nullptr, proc);
    detail::initialiseDialog(dialog, param);
    return detail::handleOf(dialog);
}

void closeDialogForTest(WindowHandle dialog) {
    if (LiveDialog* live = detail::findDialog(dialog)) {
        detail::destroyDialog(*live);
    }
}

bool isDialogEnded(WindowHandle dialog, DialogResult* result) {
    LiveDialog* live = detail::findDialog(dialog);
    if (live == nullptr || !live->ended) {
        return false;
    }
    if (result != nullptr) {
        *result = live->result;
    }
    return true;
}

} // namespace emulated
