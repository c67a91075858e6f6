// Controls drawn from their template cells: buttons as [ text ], check boxes as [x] text, radio
// buttons as (*) text, statics wrapped inside their area, group boxes as a titled frame. The
// focused control has a '>' in the cell before it and an inverted text.
#include "programs/terminal/dialog_painter.h"

#include <algorithm>

namespace terminal {

namespace {

bool isPushButton(ControlKind kind) {
    return kind == ControlKind::pushButton || kind == ControlKind::defPushButton;
}

bool isButtonLike(ControlKind kind) {
    return isPushButton(kind) || kind == ControlKind::autoCheckBox ||
           kind == ControlKind::autoRadio;
}

std::string buttonLabel(const emulated::ControlView& control) {
    const std::string text = displayText(control.text);
    const bool checked = (control.checkState & BST_CHECKED) != 0;
    switch (control.layout->kind) {
    case ControlKind::autoCheckBox:
        return std::string(checked ? "[x]" : "[ ]") + (text.empty() ? "" : " " + text);
    case ControlKind::autoRadio:
        return std::string(checked ? "(*)" : "( )") + (text.empty() ? "" : " " + text);
    default:
        return "[ " + text + " ]";
    }
}

int textWidth(const std::string& text) {
    return static_cast<int>(text.size());
}

// Buttons: one line, centred for push buttons, with the focus mark's cell before it.
void placeButton(PlacedControl& placed) {
    std::string label = buttonLabel(*placed.control);
    const CellRect& cells = placed.cells;
    label.resize(std::min(label.size(), static_cast<std::size_t>(cells.width)));
    int col = cells.col;
    int row = cells.row;
    if (isPushButton(placed.control->layout->kind)) {
        col += (cells.width - textWidth(label)) / 2;
        row += (cells.height - 1) / 2;
    }
    placed.painted = {row, col - 1, 1, textWidth(label) + 1};
    placed.lines = {label};
    placed.marks = {placed.painted};
}

// Statics: wrapped inside their area; a sunken one fills its whole area.
void placeStatic(PlacedControl& placed) {
    const CellRect& cells = placed.cells;
    placed.lines = wrapText(displayText(placed.control->text), cells.width);
    if (placed.lines.size() > static_cast<std::size_t>(cells.height)) {
        placed.lines.resize(static_cast<std::size_t>(cells.height));
    }
    placed.painted = cells;
    if (placed.control->layout->sunken) {
        placed.marks = {cells};
        return;
    }
    placed.painted.height = static_cast<int>(placed.lines.size());
    for (std::size_t i = 0; i < placed.lines.size(); ++i) {
        const int width = textWidth(placed.lines[i]);
        if (width > 0) {
            const int indent = placed.control->layout->centered ? (cells.width - width) / 2 : 0;
            placed.marks.push_back({cells.row + static_cast<int>(i), cells.col + indent, 1, width});
        }
    }
}

// A group box draws its frame only; its title sits on the top line.
void placeGroupBox(PlacedControl& placed) {
    const CellRect& c = placed.cells;
    placed.painted = c;
    placed.lines = {displayText(placed.control->text)};
    placed.marks = {{c.row, c.col, 1, c.width},
                    {c.bottom() - 1, c.col, 1, c.width},
                    {c.row, c.col, c.height, 1},
                    {c.row, c.right() - 1, c.height, 1}};
}

Look controlLook(const emulated::ControlView& control) {
    if (!control.enabled) {
        return Look::disabled;
    }
    if (control.focused) {
        return Look::focused;
    }
    return control.layout->kind == ControlKind::defPushButton ? Look::defaultButton : Look::normal;
}

void paintControl(Canvas& canvas, const PlacedControl& placed, int top, int left) {
    const emulated::ControlView& control = *placed.control;
    const CellRect& p = placed.painted;
    switch (control.layout->kind) {
    case ControlKind::groupBox: {
        canvas.frame({top + p.row, left + p.col, p.height, p.width}, Look::frame);
        if (!placed.lines.front().empty()) {
            canvas.text(top + p.row, left + p.col + 1, " " + placed.lines.front() + " ",
                        Look::normal);
        }
        return;
    }
    case ControlKind::staticText: {
        const bool sunken = control.layout->sunken;
        if (sunken) {
            canvas.fill({top + p.row, left + p.col, p.height, p.width}, Look::field);
        }
        for (std::size_t i = 0; i < placed.lines.size(); ++i) {
            const std::string& line = placed.lines[i];
            const int indent = control.layout->centered ? (p.width - textWidth(line)) / 2 : 0;
            canvas.text(top + p.row + static_cast<int>(i), left + p.col + indent, line,
                        sunken ? Look::field : Look::normal);
        }
        return;
    }
    default:
        if (control.focused) {
            canvas.text(top + p.row, left + p.col, ">", Look::normal);
        }
        canvas.text(top + p.row, left + p.col + 1, placed.lines.front(), controlLook(control));
        return;
    }
}

} // namespace

DialogPicture pictureOf(WindowHandle dialog) {
    return {emulated::dialogTemplate(dialog), emulated::dialogTitle(dialog),
            emulated::dialogControls(dialog)};
}

std::vector<PlacedControl> placeControls(const DialogPicture& picture) {
    std::vector<PlacedControl> placed;
    for (const emulated::ControlView& control : picture.controls) {
        if (!control.visible) {
            continue;
        }
        PlacedControl entry{&control, controlCells(*control.layout), {}, {}, {}};
        if (isButtonLike(control.layout->kind)) {
            placeButton(entry);
        } else if (control.layout->kind == ControlKind::groupBox) {
            placeGroupBox(entry);
        } else {
            placeStatic(entry);
        }
        placed.push_back(std::move(entry));
    }
    return placed;
}

CellRect frameCells(const DialogTemplate& layout, int canvasRows, int canvasColumns) {
    const CellRect client = clientCells(layout);
    const int height = client.height + 2;
    const int width = client.width + 2;
    return {std::max(0, (canvasRows - height) / 2), std::max(0, (canvasColumns - width) / 2),
            height, width};
}

std::optional<int> PaintedDialog::hitAt(int row, int col) const {
    for (const Hit& hit : hits) {
        if (hit.cells.contains(row, col)) {
            return hit.id;
        }
    }
    return std::nullopt;
}

PaintedDialog paintDialog(Canvas& canvas, const DialogPicture& picture, bool active) {
    PaintedDialog painted;
    painted.frame = frameCells(*picture.layout, canvas.rows(), canvas.columns());
    const CellRect& frame = painted.frame;
    canvas.fill(frame, Look::normal);
    canvas.frame(frame, active ? Look::frame : Look::inactiveFrame);
    int titleRoom = frame.width - 4;
    if (picture.layout->closeBox) {
        const CellRect box{frame.row, frame.right() - 5, 1, 3};
        canvas.text(box.row, box.col, "[X]", active ? Look::normal : Look::inactiveFrame);
        painted.hits.push_back({box, kCloseBoxHit});
        titleRoom -= 5;
    }
    if (!picture.title.empty()) {
        const std::string title = " " + picture.title + " ";
        canvas.text(frame.row, frame.col + 2,
                    title.substr(0, static_cast<std::size_t>(std::max(0, titleRoom))),
                    active ? Look::title : Look::inactiveFrame);
    }
    const int top = frame.row + 1;
    const int left = frame.col + 1;
    std::vector<PlacedControl> placed = placeControls(picture);
    // Group boxes first: the controls inside them are drawn over their area.
    std::stable_partition(placed.begin(), placed.end(), [](const PlacedControl& entry) {
        return entry.control->layout->kind == ControlKind::groupBox;
    });
    for (const PlacedControl& entry : placed) {
        paintControl(canvas, entry, top, left);
        if (isButtonLike(entry.control->layout->kind)) {
            const CellRect& c = entry.cells;
            painted.hits.push_back(
                {{top + c.row, left + c.col, c.height, c.width}, entry.control->id});
        }
    }
    return painted;
}

} // namespace terminal
