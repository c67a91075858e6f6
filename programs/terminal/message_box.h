// Message boxes as framed overlays: the caption on the frame, the text (wrapped to the
// screen), the exclamation mark where the style asks for it, and one focused OK button.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "programs/terminal/canvas.h"

namespace terminal {

struct MessageBoxLayout {
    CellRect frame;
    std::vector<std::string> lines; // the text as shown, shown as it is (no mnemonics)
    int textRow = 0;
    int textCol = 0;
    bool exclamation = false; // MB_ICONEXCLAMATION: a "/!\" before the text
    CellRect okButton;        // "[ OK ]", what a click hits
};

// A box for that text and caption centred in a canvas of rows x columns. The text wraps at
// what the canvas leaves, at most 72 columns.
MessageBoxLayout layoutMessageBox(std::string_view text, std::string_view caption, unsigned style,
                                  int rows, int columns);

void paintMessageBox(Canvas& canvas, const MessageBoxLayout& layout, std::string_view caption);

} // namespace terminal
