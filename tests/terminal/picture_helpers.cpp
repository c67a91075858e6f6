// Template pictures and the grid canvas.
#include "tests/terminal/picture_helpers.h"

#include <stdexcept>

terminal::DialogPicture templatePicture(const char* name) {
    terminal::DialogPicture picture;
    picture.layout = findDialogTemplate(name);
    picture.title = picture.layout->title;
    for (std::size_t i = 0; i < picture.layout->controlCount; ++i) {
        const ControlTemplate& control = picture.layout->controls[i];
        picture.controls.push_back({&control, control.id, control.text, !control.disabled,
                                    !control.hidden, BST_UNCHECKED, false});
    }
    return picture;
}

emulated::ControlView& controlOf(terminal::DialogPicture& picture, int id) {
    for (emulated::ControlView& control : picture.controls) {
        if (control.id == id) {
            return control;
        }
    }
    throw std::out_of_range("no control " + std::to_string(id));
}

GridCanvas::GridCanvas(int rows, int columns)
    : cells_(static_cast<std::size_t>(rows), std::string(static_cast<std::size_t>(columns), ' ')),
      looks_(
          static_cast<std::size_t>(rows),
          std::vector<terminal::Look>(static_cast<std::size_t>(columns), terminal::Look::normal)) {}

void GridCanvas::put(int row, int col, char c, terminal::Look look) {
    if (row >= 0 && row < rows() && col >= 0 && col < columns()) {
        cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = c;
        looks_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = look;
    }
}

void GridCanvas::text(int row, int col, std::string_view text, terminal::Look look) {
    for (char c : text) {
        put(row, col++, c, look);
    }
}

void GridCanvas::fill(const terminal::CellRect& cells, terminal::Look look) {
    for (int row = cells.row; row < cells.bottom(); ++row) {
        for (int col = cells.col; col < cells.right(); ++col) {
            put(row, col, ' ', look);
        }
    }
}

void GridCanvas::frame(const terminal::CellRect& cells, terminal::Look look) {
    for (int col = cells.col; col < cells.right(); ++col) {
        put(cells.row, col, '-', look);
        put(cells.bottom() - 1, col, '-', look);
    }
    for (int row = cells.row; row < cells.bottom(); ++row) {
        put(row, cells.col, '|', look);
        put(row, cells.right() - 1, '|', look);
    }
}

std::string GridCanvas::all() const {
    std::string joined;
    for (const std::string& row : cells_) {
        joined += row + "\n";
    }
    return joined;
}

terminal::Look GridCanvas::lookAt(int row, int col) const {
    return looks_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

std::pair<int, int> GridCanvas::find(const std::string& text) const {
    for (std::size_t row = 0; row < cells_.size(); ++row) {
        const std::size_t col = cells_[row].find(text);
        if (col != std::string::npos) {
            return {static_cast<int>(row), static_cast<int>(col)};
        }
    }
    return {-1, -1};
}
