// Terminal keys turned into what the dialogs, the message boxes and the file-open panel
// understand. Key codes are those of curses (KEY_* and plain characters).
#pragma once

#include <optional>

#include "platform/emulated/front_end.h"
#include "programs/terminal/file_open_panel.h"

namespace terminal {

// Tab and Shift-Tab, the arrows, Space, Enter, Escape; F10 and Alt-F4 (which xterm-like
// terminals send as F52) for the close box. Nothing for every other key.
std::optional<emulated::InputEvent> dialogInputForKey(int key);

// Enter, Space and Escape close a message box with OK.
bool closesMessageBox(int key);

struct PanelInput {
    PanelKey key;
    char character = 0;
};

// The shell's line-editing keys for the path field (Home or Ctrl-A, End or Ctrl-E, Left, Right,
// Backspace, Delete, Ctrl-U, Ctrl-W, Tab to complete), Up, Down and the pages for the list, Enter
// and Escape; printable characters (and the bytes of non-ASCII ones) are typed into the field.
std::optional<PanelInput> panelInputForKey(int key);

} // namespace terminal
