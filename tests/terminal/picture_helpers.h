// Pictures of the installer's dialogs built straight from their templates, and a canvas that
// keeps painted characters and looks in a grid, for tests of the terminal front end.
#pragma once

#include <string>
#include <vector>

#include "platform/terminal/canvas.h"
#include "platform/terminal/dialog_painter.h"

// Every control as the template starts it: visible or hidden, enabled or not, unchecked.
terminal::DialogPicture templatePicture(const char* name);
emulated::ControlView& controlOf(terminal::DialogPicture& picture, int id);

class GridCanvas final : public terminal::Canvas {
public:
    GridCanvas(int rows, int columns);
    int rows() const override { return static_cast<int>(cells_.size()); }
    int columns() const override { return static_cast<int>(cells_.front().size()); }
    void text(int row, int col, std::string_view text, terminal::Look look) override;
    void fill(const terminal::CellRect& cells, terminal::Look look) override;
    void frame(const terminal::CellRect& cells, terminal::Look look) override;

    const std::string& line(int row) const { return cells_[static_cast<std::size_t>(row)]; }
    // The whole grid, one line per row.
    std::string all() const;
    terminal::Look lookAt(int row, int col) const;
    // Row and column of the first place the text stands; {-1, -1} when it is nowhere.
    std::pair<int, int> find(const std::string& text) const;

private:
    void put(int row, int col, char c, terminal::Look look);
    std::vector<std::string> cells_;
    std::vector<std::vector<terminal::Look>> looks_;
};
