// The curses screen as a canvas.
#pragma once

#include "programs/terminal/canvas.h"

namespace terminal {

// Paints on the standard screen of the running curses session.
class CursesCanvas final : public Canvas {
public:
    int rows() const override;
    int columns() const override;
    void text(int row, int col, std::string_view text, Look look) override;
    void fill(const CellRect& cells, Look look) override;
    void frame(const CellRect& cells, Look look) override;
};

} // namespace terminal
