// Dialog units scaled to character cells, and texts as the controls show them in the terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/dialog_templates.h"

namespace terminal {

struct CellRect {
    int row = 0;
    int col = 0;
    int height = 0;
    int width = 0;

    int bottom() const { return row + height; } // first row below
    int right() const { return col + width; }   // first column to the right
    bool contains(int r, int c) const {
        return r >= row && r < bottom() && c >= col && c < right();
    }
    bool intersects(const CellRect& other) const {
        return row < other.bottom() && other.row < bottom() && col < other.right() &&
               other.col < right();
    }
};

// One cell is 3.125 dialog units wide and 8 tall (a dialog unit is a quarter of the font's
// average width and an eighth of its height, and a cell is narrower than it is tall), so
// "MainDialog" (238 x 173 units) has 76 x 22 cells inside its frame and fits 80 x 24.
int columnsFromUnits(int x);
int rowsFromUnits(int y);

// Where a control lies inside its dialog's client area: each edge is scaled on its own, so
// neighbours that touch in dialog units touch in cells; never less than one cell each way.
CellRect controlCells(const ControlTemplate& control);
// The client area of a dialog (row and column 0); the frame lies one cell outside it.
CellRect clientCells(const DialogTemplate& dialog);

// What a control shows of its text: "&&" is one ampersand and a single "&" only marks the
// next letter as a mnemonic, as Windows draws button and static texts.
std::string displayText(std::string_view raw);

// The lines of a text at most `width` cells wide: broken at every line feed (a CR before it is
// dropped) and, inside a line, after the last blank that fits; a word wider than the whole
// width is cut. An empty text is one empty line.
std::vector<std::string> wrapText(std::string_view text, int width);

} // namespace terminal
