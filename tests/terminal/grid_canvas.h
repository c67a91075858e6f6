// A canvas keeping painted characters and their looks in a grid, for tests of the painting.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "programs/terminal/canvas.h"

class GridCanvas final : public terminal::Canvas {
public:
    GridCanvas(int rows, int columns)
        : cells_(rows, std::string(columns, ' ')), looks_(rows, std::string(columns, '\0')) {}
    int rows() const override { return static_cast<int>(cells_.size()); }
    int columns() const override { return static_cast<int>(cells_[0].size()); }
    void text(int row, int col, std::string_view text, terminal::Look look) override {
        for (std::size_t i = 0; i < text.size() && row >= 0 && row < rows(); ++i, ++col) {
            if (col >= 0 && col < columns()) {
                cells_[row][col] = text[i];
                looks_[row][col] = static_cast<char>(look);
            }
        }
    }
    void fill(const terminal::CellRect& cells, terminal::Look look) override {
        for (int row = cells.row; row < cells.bottom(); ++row) {
            text(row, cells.col, std::string(std::max(0, cells.width), ' '), look);
        }
    }
    void frame(const terminal::CellRect& cells, terminal::Look look) override { fill(cells, look); }

    terminal::Look lookAt(int row, int col) const {
        return static_cast<terminal::Look>(looks_[row][col]);
    }
    // Row and column where the text first stands; {-1, -1} when it is nowhere.
    std::pair<int, int> find(const std::string& text) const {
        for (std::size_t row = 0; row < cells_.size(); ++row) {
            if (const std::size_t col = cells_[row].find(text); col != std::string::npos) {
                return {static_cast<int>(row), static_cast<int>(col)};
            }
        }
        return {-1, -1};
    }

private:
    std::vector<std::string> cells_, looks_;
};
