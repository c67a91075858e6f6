// Controls of emulated dialogs addressed by id, as the core sees them through platform.h, and
// read access for front ends and tests.
#include <algorithm>
#include <cstring>

#include "platform/emulated/dialog_manager.h"
#include "platform/emulated/live_dialog.h"

namespace {

using emulated::detail::LiveControl;
using emulated::detail::LiveDialog;

// The addressed control, or null for an unknown window, an unknown id or the id -1.
LiveControl* control(WindowHandle dialog, int id, LiveDialog** owner = nullptr) {
    LiveDialog* live = emulated::detail::findDialog(dialog);
    const int index = live == nullptr ? -1 : emulated::detail::findControl(*live, id);
    if (index < 0) {
        return nullptr;
    }
    if (owner != nullptr) {
        *owner = live;
    }
    return &live->controls[index];
}

bool hasCheckState(const LiveControl& button) {
    return button.layout->kind == ControlKind::autoCheckBox ||
           button.layout->kind == ControlKind::autoRadio;
}

} // namespace

ModuleHandle windowModule(WindowHandle window) {
    LiveDialog* live = emulated::detail::findDialog(window);
    return live == nullptr ? nullptr : live->module;
}

void setWindowTitle(WindowHandle window, const char* title) {
    if (LiveDialog* live = emulated::detail::findDialog(window)) {
        live->title = title == nullptr ? "" : title;
        emulated::detail::notifyChanged(*live);
    }
}

void setControlText(WindowHandle dialog, int id, const char* text) {
    LiveDialog* live = nullptr;
    if (LiveControl* target = control(dialog, id, &live)) {
        target->text = text == nullptr ? "" : text;
        emulated::detail::notifyChanged(*live);
    }
}

void getControlText(WindowHandle dialog, int id, char* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return;
    }
    const LiveControl* source = control(dialog, id);
    const std::size_t length = source == nullptr ? 0 : std::min(source->text.size(), capacity - 1);
    if (length > 0) {
        std::memcpy(buffer, source->text.data(), length);
    }
    buffer[length] = '\0';
}

void enableControl(WindowHandle dialog, int id, bool enabled) {
    LiveDialog* live = nullptr;
    if (LiveControl* target = control(dialog, id, &live)) {
        target->enabled = enabled;
        emulated::detail::dropFocusIfUnusable(*live);
        emulated::detail::notifyChanged(*live);
    }
}

void showControl(WindowHandle dialog, int id, int showCommand) {
    LiveDialog* live = nullptr;
    if (LiveControl* target = control(dialog, id, &live)) {
        target->visible = showCommand != SW_HIDE;
        emulated::detail::dropFocusIfUnusable(*live);
        emulated::detail::notifyChanged(*live);
    }
}

unsigned getCheckState(WindowHandle dialog, int id) {
    const LiveControl* source = control(dialog, id);
    return source != nullptr && hasCheckState(*source) ? source->checkState : BST_UNCHECKED;
}

void setCheckState(WindowHandle dialog, int id, unsigned state) {
    LiveDialog* live = nullptr;
    LiveControl* target = control(dialog, id, &live);
    if (target != nullptr && hasCheckState(*target)) {
        // Two-state buttons: any nonzero state is stored as checked, as Windows does.
        emulated::detail::storeCheckState(*target,
                                          state == BST_UNCHECKED ? BST_UNCHECKED : BST_CHECKED);
        emulated::detail::notifyChanged(*live);
    }
}

namespace emulated {

WindowHandle innermostDialog() {
    LiveDialog* live = detail::innermost();
    return live == nullptr ? nullptr : detail::handleOf(*live);
}

const DialogTemplate* dialogTemplate(WindowHandle dialog) {
    LiveDialog* live = detail::findDialog(dialog);
    return live == nullptr ? nullptr : live->layout;
}

std::string dialogTitle(WindowHandle dialog) {
    LiveDialog* live = detail::findDialog(dialog);
    return live == nullptr ? std::string() : live->title;
}

WindowHandle dialogOwner(WindowHandle dialog) {
    LiveDialog* live = detail::findDialog(dialog);
    return live == nullptr ? nullptr : live->owner;
}

std::vector<ControlView> dialogControls(WindowHandle dialog) {
    std::vector<ControlView> views;
    LiveDialog* live = detail::findDialog(dialog);
    if (live == nullptr) {
        return views;
    }
    for (std::size_t i = 0; i < live->controls.size(); ++i) {
        const LiveControl& c = live->controls[i];
        views.push_back({c.layout, c.layout->id, c.text, c.enabled, c.visible, c.checkState,
                         live->focus == static_cast<int>(i)});
    }
    return views;
}

std::optional<ControlView> controlView(WindowHandle dialog, int id) {
    LiveDialog* live = detail::findDialog(dialog);
    const int index = live == nullptr ? -1 : detail::findControl(*live, id);
    if (index < 0) {
        return std::nullopt;
    }
    return dialogControls(dialog)[static_cast<std::size_t>(index)];
}

int focusedControlId(WindowHandle dialog) {
    LiveDialog* live = detail::findDialog(dialog);
    if (live == nullptr || live->focus == detail::kNoFocus) {
        return 0;
    }
    return live->controls[live->focus].layout->id;
}

} // namespace emulated
