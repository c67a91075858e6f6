// Live dialogs: built from template data, registered while open, with Windows' focus rules.
#include "platform/emulated/live_dialog.h"

#include <algorithm>
#include <memory>

namespace emulated::detail {

namespace {

std::vector<std::unique_ptr<LiveDialog>>& registry() {
    static std::vector<std::unique_ptr<LiveDialog>> dialogs;
    return dialogs;
}

bool isTabStop(const LiveControl& control) {
    return control.tabStop && isUsable(control);
}

// A radio group is one tab stop; Tab lands on its checked button (else on the stop itself).
int tabTarget(const LiveDialog& dialog, int index) {
    const LiveControl& stop = dialog.controls[index];
    if (stop.layout->kind != ControlKind::autoRadio) {
        return index;
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const LiveControl& member = dialog.controls[i];
        if (member.groupStart == stop.groupStart && member.layout->kind == ControlKind::autoRadio &&
            (member.checkState & BST_CHECKED) != 0 && isUsable(member)) {
            return static_cast<int>(i);
        }
    }
    return index;
}

// The buttons of one radio group count as one stop, even while more than one of them carries a
// tab stop (one from the template, another from its check).
bool sameRadioGroup(const LiveDialog& dialog, int a, int b) {
    const LiveControl& first = dialog.controls[a];
    const LiveControl& second = dialog.controls[b];
    return first.layout->kind == ControlKind::autoRadio &&
           second.layout->kind == ControlKind::autoRadio && first.groupStart == second.groupStart;
}

} // namespace

LiveDialog& createDialog(const DialogTemplate& layout, ModuleHandle module, WindowHandle owner,
                         DialogProc proc) {
    auto dialog = std::make_unique<LiveDialog>();
    dialog->layout = &layout;
    dialog->module = module;
    dialog->owner = owner;
    dialog->proc = proc;
    dialog->title = layout.title == nullptr ? "" : layout.title;
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i < layout.controlCount; ++i) {
        const ControlTemplate& control = layout.controls[i];
        if (control.groupStart) {
            groupStart = i;
        }
        dialog->controls.push_back({&control, control.text == nullptr ? "" : control.text,
                                    !control.disabled, !control.hidden, BST_UNCHECKED, groupStart,
                                    control.tabStop});
    }
    registry().push_back(std::move(dialog));
    return *registry().back();
}

void destroyDialog(LiveDialog& dialog) {
    if (dialog.opened && activeFrontEnd() != nullptr) {
        activeFrontEnd()->dialogClosed(handleOf(dialog));
    }
    auto& dialogs = registry();
    std::erase_if(dialogs,
                  [&](const std::unique_ptr<LiveDialog>& entry) { return entry.get() == &dialog; });
}

LiveDialog* findDialog(WindowHandle handle) {
    for (const auto& entry : registry()) {
        if (handleOf(*entry) == handle) {
            return entry.get();
        }
    }
    return nullptr;
}

WindowHandle handleOf(LiveDialog& dialog) {
    // The handle is the record's address; the core never looks behind it.
    return reinterpret_cast<WindowHandle>(&dialog);
}

LiveDialog* innermost() {
    return registry().empty() ? nullptr : registry().back().get();
}

int findControl(const LiveDialog& dialog, int id) {
    if (id == -1) {
        return -1;
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].layout->id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool isUsable(const LiveControl& control) {
    return control.visible && control.enabled;
}

bool isButtonLike(const LiveControl& control) {
    switch (control.layout->kind) {
    case ControlKind::defPushButton:
    case ControlKind::pushButton:
    case ControlKind::autoCheckBox:
    case ControlKind::autoRadio:
        return true;
    default:
        return false;
    }
}

void initialiseDialog(LiveDialog& dialog, std::intptr_t param) {
    if (callProc(dialog, WM_INITDIALOG, 0, param) != 0) {
        dialog.focus = kNoFocus;
        moveFocus(dialog, true);
    }
    dialog.opened = true;
    if (activeFrontEnd() != nullptr) {
        activeFrontEnd()->dialogOpened(handleOf(dialog));
    }
}

DialogResult callProc(LiveDialog& dialog, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) {
    return dialog.proc(handleOf(dialog), message, wParam, lParam);
}

DialogResult sendCommandTo(LiveDialog& dialog, int id) {
    // The notification code in the high word is BN_CLICKED, 0.
    return callProc(dialog, WM_COMMAND, static_cast<unsigned>(id) & 0xFFFFu, 0);
}

void moveFocus(LiveDialog& dialog, bool forward) {
    const int count = static_cast<int>(dialog.controls.size());
    if (count == 0) {
        return;
    }
    const int from = dialog.focus;
    int index = from == kNoFocus ? (forward ? count - 1 : 0) : from;
    for (int step = 0; step < count; ++step) {
        index = (index + (forward ? 1 : count - 1)) % count;
        if (isTabStop(dialog.controls[index]) &&
            (from == kNoFocus || !sameRadioGroup(dialog, from, index))) {
            dialog.focus = tabTarget(dialog, index);
            notifyChanged(dialog);
            return;
        }
    }
}

void dropFocusIfUnusable(LiveDialog& dialog) {
    if (dialog.focus != kNoFocus && !isUsable(dialog.controls[dialog.focus])) {
        dialog.focus = kNoFocus;
    }
}

void notifyChanged(LiveDialog& dialog) {
    if (dialog.opened && activeFrontEnd() != nullptr) {
        activeFrontEnd()->dialogChanged(handleOf(dialog));
    }
}

void storeCheckState(LiveControl& control, unsigned state) {
    control.checkState = state;
    if (control.layout->kind == ControlKind::autoRadio) {
        control.tabStop = state != BST_UNCHECKED;
    }
}

} // namespace emulated::detail
