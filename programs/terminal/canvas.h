// Where the terminal front end paints: cells addressed by row and column, with a few looks.
// The curses screen is one canvas; tests paint into a plain grid of characters.
#pragma once

#include <string_view>

#include "programs/terminal/cell_layout.h"

namespace terminal {

enum class Look {
    normal,
    frame,         // the frame of the dialog that takes input
    inactiveFrame, // an owner dialog under a nested one
    title,
    disabled, // dimmed
    focused,  // the control with the keyboard focus
    defaultButton,
    field,    // a sunken static, a text field
    selected, // the chosen line of a list
    hint,
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual int rows() const = 0;
    virtual int columns() const = 0;
    // Writes text from (row, col) on; whatever falls outside the canvas is dropped.
    virtual void text(int row, int col, std::string_view text, Look look) = 0;
    // Fills the cells with blanks of that look.
    virtual void fill(const CellRect& cells, Look look) = 0;
    // A line frame on the outermost cells of `cells`.
    virtual void frame(const CellRect& cells, Look look) = 0;
};

} // namespace terminal
