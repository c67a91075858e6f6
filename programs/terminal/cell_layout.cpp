// Dialog units to character cells, mnemonic ampersands and word wrapping.
#include "programs/terminal/cell_layout.h"

#include <algorithm>

namespace terminal {

namespace {

// Rounds numerator / denominator to the nearest whole number, halves up (both non-negative).
int roundedQuotient(int numerator, int denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

} // namespace

int columnsFromUnits(int x) {
    return roundedQuotient(x * 8, 25);
}

int rowsFromUnits(int y) {
    return roundedQuotient(y, 8);
}

CellRect controlCells(const ControlTemplate& control) {
    CellRect cells;
    cells.row = rowsFromUnits(control.y);
    cells.col = columnsFromUnits(control.x);
    cells.height = std::max(1, rowsFromUnits(control.y + control.height) - cells.row);
    cells.width = std::max(1, columnsFromUnits(control.x + control.width) - cells.col);
    return cells;
}

CellRect clientCells(const DialogTemplate& dialog) {
    return {0, 0, rowsFromUnits(dialog.height), columnsFromUnits(dialog.width)};
}

std::string displayText(std::string_view raw) {
    std::string shown;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&' && i + 1 < raw.size()) {
            ++i; // "&&" keeps the second, "&x" keeps the x
        } else if (raw[i] == '&') {
            continue;
        }
        shown += raw[i];
    }
    return shown;
}

std::vector<std::string> wrapText(std::string_view text, int width) {
    const std::size_t limit = static_cast<std::size_t>(std::max(1, width));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t feed = text.find('\n', start);
        std::string_view line = text.substr(
            start, feed == std::string_view::npos ? std::string_view::npos : feed - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        while (line.size() > limit) {
            const std::size_t blank = line.rfind(' ', limit);
            if (blank == std::string_view::npos || blank == 0) {
                lines.emplace_back(line.substr(0, limit));
                line.remove_prefix(limit);
            } else {
                lines.emplace_back(line.substr(0, blank));
                line.remove_prefix(blank + 1);
            }
        }
        lines.emplace_back(line);
        if (feed == std::string_view::npos) {
            return lines;
        }
        start = feed + 1;
    }
}

} // namespace terminal
