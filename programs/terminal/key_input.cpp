// Key mapping for dialogs, message boxes and the file-open panel.
#include "programs/terminal/key_input.h"

#include <curses.h>

namespace terminal {

namespace {

constexpr int kEscape = 27;
constexpr int kControlA = 1;
constexpr int kControlE = 5;
constexpr int kControlU = 21;
constexpr int kControlW = 23;
constexpr int kDelete = 127;
constexpr int kControlH = 8;
// Alt-F4: xterm-like terminals report F1 to F12 with Alt as F49 to F60.
constexpr int kAltF4 = KEY_F(52);

bool isEnter(int key) {
    return key == '\n' || key == '\r' || key == KEY_ENTER;
}

} // namespace

std::optional<emulated::InputEvent> dialogInputForKey(int key) {
    using emulated::InputEvent;
    using emulated::InputKind;
    if (isEnter(key)) {
        return InputEvent::key(InputKind::enter);
    }
    switch (key) {
    case '\t':
        return InputEvent::key(InputKind::tab);
    case KEY_BTAB:
        return InputEvent::key(InputKind::backTab);
    case ' ':
        return InputEvent::key(InputKind::space);
    case kEscape:
        return InputEvent::key(InputKind::escape);
    case KEY_UP:
    case KEY_LEFT:
        return InputEvent::key(InputKind::up);
    case KEY_DOWN:
    case KEY_RIGHT:
        return InputEvent::key(InputKind::down);
    case KEY_F(10):
    case kAltF4:
        return InputEvent::key(InputKind::closeBox);
    default:
        return std::nullopt;
    }
}

bool closesMessageBox(int key) {
    return isEnter(key) || key == ' ' || key == kEscape;
}

std::optional<PanelInput> panelInputForKey(int key) {
    if (isEnter(key)) {
        return PanelInput{PanelKey::enter};
    }
    switch (key) {
    case kEscape:
        return PanelInput{PanelKey::escape};
    case KEY_BACKSPACE:
    case kDelete:
    case kControlH:
        return PanelInput{PanelKey::backspace};
    case KEY_DC:
        return PanelInput{PanelKey::erase};
    case KEY_LEFT:
        return PanelInput{PanelKey::left};
    case KEY_RIGHT:
        return PanelInput{PanelKey::right};
    case KEY_HOME:
    case kControlA:
        return PanelInput{PanelKey::home};
    case KEY_END:
    case kControlE:
        return PanelInput{PanelKey::end};
    case kControlU:
        return PanelInput{PanelKey::deleteToStart};
    case kControlW:
        return PanelInput{PanelKey::deleteWord};
    case '\t':
        return PanelInput{PanelKey::complete};
    case KEY_UP:
        return PanelInput{PanelKey::up};
    case KEY_DOWN:
        return PanelInput{PanelKey::down};
    case KEY_PPAGE:
        return PanelInput{PanelKey::pageUp};
    case KEY_NPAGE:
        return PanelInput{PanelKey::pageDown};
    default:
        break;
    }
    if (key >= ' ' && key <= 0xFF && key != kDelete) {
        return PanelInput{PanelKey::character, static_cast<char>(key)};
    }
    return std::nullopt;
}

} // namespace terminal
