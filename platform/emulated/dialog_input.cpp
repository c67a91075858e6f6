// User input turned into dialog messages the way the Windows dialog manager does it: auto check
// boxes and radio buttons change themselves before their command, Escape is IDCANCEL, Enter the
// default button, the close box WM_CLOSE.
#include "platform/emulated/dialog_manager.h"
#include "platform/emulated/live_dialog.h"

namespace emulated {

namespace {

using detail::LiveControl;
using detail::LiveDialog;

// An auto radio button checks itself and clears every other radio button of its group.
void checkRadio(LiveDialog& dialog, std::size_t index) {
    const std::size_t group = dialog.controls[index].groupStart;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        LiveControl& member = dialog.controls[i];
        if (member.groupStart == group && member.layout->kind == ControlKind::autoRadio) {
            detail::storeCheckState(member, i == index ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

// A button pressed by mouse or keyboard: its own state first, then its command.
DialogResult pressButton(LiveDialog& dialog, int index) {
    LiveControl& control = dialog.controls[index];
    if (control.layout->kind == ControlKind::autoCheckBox) {
        detail::storeCheckState(control, (control.checkState & BST_CHECKED) != 0 ? BST_UNCHECKED
                                                                                 : BST_CHECKED);
        detail::notifyChanged(dialog);
    } else if (control.layout->kind == ControlKind::autoRadio) {
        checkRadio(dialog, static_cast<std::size_t>(index));
        detail::notifyChanged(dialog);
    }
    return detail::sendCommandTo(dialog, control.layout->id);
}

std::optional<DialogResult> click(LiveDialog& dialog, int id) {
    const int index = detail::findControl(dialog, id);
    if (index < 0 || !detail::isUsable(dialog.controls[index]) ||
        !detail::isButtonLike(dialog.controls[index])) {
        return std::nullopt;
    }
    dialog.focus = index; // a clicked button takes the focus
    detail::notifyChanged(dialog);
    return pressButton(dialog, index);
}

std::optional<DialogResult> space(LiveDialog& dialog) {
    if (dialog.focus == detail::kNoFocus || !detail::isButtonLike(dialog.controls[dialog.focus])) {
        return std::nullopt;
    }
    return pressButton(dialog, dialog.focus);
}

// Arrow keys move the focus to the next or previous usable button of the focused control's
// group, wrapping inside the group, as Windows does; an auto radio button reached this way is
// clicked, so the check follows the focus. Statics never take the focus.
std::optional<DialogResult> arrow(LiveDialog& dialog, bool forward) {
    if (dialog.focus == detail::kNoFocus) {
        return std::nullopt;
    }
    const std::size_t group = dialog.controls[dialog.focus].groupStart;
    std::size_t end = group + 1;
    while (end < dialog.controls.size() && dialog.controls[end].groupStart == group) {
        ++end;
    }
    const std::size_t size = end - group;
    std::size_t index = static_cast<std::size_t>(dialog.focus);
    for (std::size_t step = 1; step < size; ++step) {
        index = group + (index - group + (forward ? 1 : size - 1)) % size;
        const LiveControl& candidate = dialog.controls[index];
        if (detail::isUsable(candidate) && detail::isButtonLike(candidate)) {
            dialog.focus = static_cast<int>(index);
            detail::notifyChanged(dialog);
            if (candidate.layout->kind == ControlKind::autoRadio &&
                (candidate.checkState & BST_CHECKED) == 0) {
                return pressButton(dialog, dialog.focus);
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool isPushButton(const LiveControl& control) {
    return control.layout->kind == ControlKind::pushButton ||
           control.layout->kind == ControlKind::defPushButton;
}

// A focused push button is the default for the moment; otherwise the template's default button,
// only when enabled; a dialog without one gets IDOK.
std::optional<DialogResult> enter(LiveDialog& dialog) {
    if (dialog.focus != detail::kNoFocus && isPushButton(dialog.controls[dialog.focus])) {
        return pressButton(dialog, dialog.focus);
    }
    for (const LiveControl& control : dialog.controls) {
        if (control.layout->kind == ControlKind::defPushButton) {
            if (!control.enabled) {
                return std::nullopt;
            }
            return detail::sendCommandTo(dialog, control.layout->id);
        }
    }
    return detail::sendCommandTo(dialog, IDOK);
}

// A procedure that leaves WM_CLOSE alone gets IDCANCEL, as from the default dialog procedure.
std::optional<DialogResult> closeBox(LiveDialog& dialog) {
    if (!dialog.layout->closeBox) {
        return std::nullopt;
    }
    const DialogResult handled = detail::callProc(dialog, WM_CLOSE, 0, 0);
    if (handled == 0 && !dialog.ended) {
        detail::sendCommandTo(dialog, IDCANCEL);
    }
    return handled;
}

} // namespace

std::optional<DialogResult> deliverInput(WindowHandle handle, InputEvent input) {
    LiveDialog* dialog = detail::findDialog(handle);
    if (dialog == nullptr || dialog->ended) {
        return std::nullopt;
    }
    switch (input.kind) {
    case InputKind::click:
        return click(*dialog, input.controlId);
    case InputKind::escape:
        return detail::sendCommandTo(*dialog, IDCANCEL);
    case InputKind::enter:
        return enter(*dialog);
    case InputKind::space:
        return space(*dialog);
    case InputKind::tab:
    case InputKind::backTab:
        detail::moveFocus(*dialog, input.kind == InputKind::tab);
        return std::nullopt;
    case InputKind::up:
    case InputKind::down:
        return arrow(*dialog, input.kind == InputKind::down);
    case InputKind::closeBox:
        return closeBox(*dialog);
    case InputKind::abandon:
        dialog->ended = true;
        dialog->result = -1;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace emulated
