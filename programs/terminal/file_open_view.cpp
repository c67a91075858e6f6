// Painting of the file-open panel: the folder looked in, its entries, the path field, the two
// buttons and a line of key help.
#include <algorithm>

#include "programs/terminal/file_open_panel.h"

namespace terminal {

namespace {

// The end of a text that is too wide, marked with "..." in front.
std::string tail(const std::string& text, int width) {
    const std::size_t room = static_cast<std::size_t>(std::max(0, width));
    if (text.size() <= room) {
        return text;
    }
    return room <= 3 ? text.substr(text.size() - room)
                     : "..." + text.substr(text.size() - room + 3);
}

} // namespace

PanelHit PanelLayout::hitAt(int row, int col) const {
    if (list.contains(row, col)) {
        return {PanelHit::Kind::entry, firstShown + static_cast<std::size_t>(row - list.row)};
    }
    if (openButton.contains(row, col)) {
        return {PanelHit::Kind::openButton};
    }
    if (cancelButton.contains(row, col)) {
        return {PanelHit::Kind::cancelButton};
    }
    return {};
}

FileOpenPanel::Outcome clickPanel(FileOpenPanel& panel, const PanelHit& hit) {
    switch (hit.kind) {
    case PanelHit::Kind::openButton:
        return panel.press(PanelKey::enter);
    case PanelHit::Kind::cancelButton:
        return panel.press(PanelKey::escape);
    case PanelHit::Kind::entry:
        return panel.clickEntry(hit.entry);
    case PanelHit::Kind::nothing:
        break;
    }
    return FileOpenPanel::Outcome::open;
}

PanelLayout paintFileOpenPanel(Canvas& canvas, FileOpenPanel& panel, const std::string& title) {
    PanelLayout layout;
    const int width = std::min(canvas.columns(), 78);
    const int height = std::min(canvas.rows(), 24);
    layout.frame = {(canvas.rows() - height) / 2, (canvas.columns() - width) / 2, height, width};
    const CellRect& frame = layout.frame;
    const int left = frame.col + 2;
    const int inner = frame.width - 4;
    canvas.fill(frame, Look::normal);
    canvas.frame(frame, Look::frame);
    std::string caption = " ";
    caption.append(title, 0, static_cast<std::size_t>(inner)).append(" ");
    canvas.text(frame.row, frame.col + 2, caption, Look::title);
    canvas.text(frame.row + 1, left, "Look in: " + tail(panel.folder(), inner - 9), Look::normal);

    layout.list = {frame.row + 2, left, frame.height - 8, inner};
    canvas.fill(layout.list, Look::field);
    layout.firstShown = panel.firstShown(layout.list.height);
    const std::vector<PanelEntry>& entries = panel.entries();
    for (int line = 0; line < layout.list.height; ++line) {
        const std::size_t index = layout.firstShown + static_cast<std::size_t>(line);
        if (index >= entries.size()) {
            break;
        }
        const PanelEntry& entry = entries[index];
        std::string shown = entry.name + (entry.isFolder && entry.name != ".." ? "/" : "");
        shown.resize(std::min(shown.size(), static_cast<std::size_t>(inner)));
        const bool selected = static_cast<int>(index) == panel.selected();
        canvas.text(layout.list.row + line, left,
                    selected
                        ? shown + std::string(static_cast<std::size_t>(inner) - shown.size(), ' ')
                        : shown,
                    selected ? Look::selected : Look::field);
    }

    const int fieldRow = frame.bottom() - 5;
    const std::string label = "File name: ";
    const int fieldCol = left + static_cast<int>(label.size());
    const int fieldWidth = inner - static_cast<int>(label.size());
    canvas.text(fieldRow, left, label, Look::normal);
    canvas.fill({fieldRow, fieldCol, 1, fieldWidth}, Look::field);
    // Shows the end of a long path so that the cursor stays in view.
    const std::size_t skip = panel.cursor() >= static_cast<std::size_t>(fieldWidth)
                                 ? panel.cursor() + 1 - static_cast<std::size_t>(fieldWidth)
                                 : 0;
    canvas.text(fieldRow, fieldCol,
                panel.field().substr(skip, static_cast<std::size_t>(fieldWidth)),
                panel.fieldSelected() ? Look::selected : Look::field);
    layout.cursorRow = fieldRow;
    layout.cursorCol = fieldCol + static_cast<int>(panel.cursor() - skip);

    const int buttonRow = frame.bottom() - 3;
    layout.cancelButton = {buttonRow, frame.right() - 13, 1, 10};
    layout.openButton = {buttonRow, layout.cancelButton.col - 10, 1, 8};
    canvas.text(buttonRow, layout.openButton.col, "[ Open ]", Look::defaultButton);
    canvas.text(buttonRow, layout.cancelButton.col, "[ Cancel ]", Look::normal);
    canvas.text(frame.bottom() - 2, left,
                tail("Up/Down: walk the list  Tab: complete  Enter: open  Esc: cancel", inner),
                Look::hint);
    return layout;
}

} // namespace terminal
