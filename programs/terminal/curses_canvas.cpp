// Looks as curses attributes, and clipped painting on the standard screen.
#include "programs/terminal/curses_canvas.h"

#include <curses.h>

#include <algorithm>

namespace terminal {

namespace {

constexpr short kFieldPair = 1; // set up with the session: black on cyan

attr_t attributesOf(Look look) {
    switch (look) {
    case Look::title:
    case Look::defaultButton:
        return A_BOLD;
    case Look::inactiveFrame:
    case Look::disabled:
    case Look::hint:
        return A_DIM;
    case Look::focused:
        return A_REVERSE;
    case Look::selected: // on a field, which is reversed itself without colours
        return has_colors() ? A_REVERSE : A_BOLD | A_UNDERLINE;
    case Look::field:
        return has_colors() ? static_cast<attr_t>(COLOR_PAIR(kFieldPair)) : A_REVERSE;
    case Look::frame:
    case Look::normal:
        break;
    }
    return A_NORMAL;
}

} // namespace

int CursesCanvas::rows() const {
    return LINES;
}

int CursesCanvas::columns() const {
    return COLS;
}

void CursesCanvas::text(int row, int col, std::string_view text, Look look) {
    if (row < 0 || row >= LINES || col >= COLS) {
        return;
    }
    if (col < 0) {
        text.remove_prefix(std::min(text.size(), static_cast<std::size_t>(-col)));
        col = 0;
    }
    const int room = COLS - col;
    attrset(attributesOf(look));
    mvaddnstr(row, col, text.data(), std::min(room, static_cast<int>(text.size())));
    attrset(A_NORMAL);
}

void CursesCanvas::fill(const CellRect& cells, Look look) {
    const chtype blank = ' ' | attributesOf(look);
    const int left = std::max(0, cells.col);
    const int right = std::min(COLS, cells.right());
    for (int row = std::max(0, cells.row); row < std::min(LINES, cells.bottom()); ++row) {
        if (right > left) {
            mvhline(row, left, blank, right - left);
        }
    }
}

void CursesCanvas::frame(const CellRect& cells, Look look) {
    if (cells.width < 2 || cells.height < 2) {
        return;
    }
    const attr_t attributes = attributesOf(look);
    const int top = cells.row;
    const int bottom = cells.bottom() - 1;
    const int left = cells.col;
    const int right = cells.right() - 1;
    mvhline(top, left + 1, ACS_HLINE | attributes, cells.width - 2);
    mvhline(bottom, left + 1, ACS_HLINE | attributes, cells.width - 2);
    mvvline(top + 1, left, ACS_VLINE | attributes, cells.height - 2);
    mvvline(top + 1, right, ACS_VLINE | attributes, cells.height - 2);
    mvaddch(top, left, ACS_ULCORNER | attributes);
    mvaddch(top, right, ACS_URCORNER | attributes);
    mvaddch(bottom, left, ACS_LLCORNER | attributes);
    mvaddch(bottom, right, ACS_LRCORNER | attributes);
}

} // namespace terminal
