// The front end that a Linux or macOS user sees: the emulated dialogs drawn in the terminal
// with curses, keyboard and mouse input, message boxes as overlays, the bell as the beep and a
// file-open panel. The terminal session must be started before it is used.
#pragma once

#include <optional>
#include <utility>

#include "platform/emulated/front_end.h"
#include "programs/terminal/canvas.h"
#include "programs/terminal/dialog_painter.h"

namespace terminal {

class TerminalFrontEnd final : public emulated::FrontEnd {
public:
    emulated::InputEvent nextInput(WindowHandle dialog) override;
    int showMessageBox(WindowHandle owner, const char* text, const char* caption,
                       unsigned style) override;
    void beep(unsigned type) override;
    bool requestOpenFile(FileOpenRequest& request) override;

private:
    // Paints every open dialog, owners first, the innermost one active, with a line of key
    // help below when there is room. Nothing but a notice when the terminal is too small for
    // them; then the result is empty.
    std::optional<PaintedDialog> paintDialogs(Canvas& canvas, bool withHelp);
    // The next key; mouse reports become clicks at a cell (see clickedAt). A terminal that
    // gives nothing but errors has gone: then nothing.
    std::optional<int> readKey();
    // For a KEY_MOUSE: the cell of a finished click (a press and a release of the first button,
    // both on the same target as `sameTarget` tells, or what curses already made a click).
    template <typename SameTarget>
    std::optional<std::pair<int, int>> clickedAt(SameTarget sameTarget);

    std::optional<std::pair<int, int>> pressedAt_;
};

} // namespace terminal
