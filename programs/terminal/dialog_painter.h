// A live dialog drawn into a canvas from its template layout: frame, title, close box and
// controls, and which control a click at a given cell hits.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/emulated/dialog_manager.h"
#include "programs/terminal/canvas.h"

namespace terminal {

// What a dialog looks like at one moment.
struct DialogPicture {
    const DialogTemplate* layout = nullptr;
    std::string title;
    std::vector<emulated::ControlView> controls;
};

// The picture of a live dialog, read from the dialog manager.
DialogPicture pictureOf(WindowHandle dialog);

// Where a visible control is drawn, relative to its dialog's client area.
struct PlacedControl {
    const emulated::ControlView* control;
    CellRect cells;                 // its whole area, the part a click hits
    CellRect painted;               // the cells its marks and text take; a group box's frame
    std::vector<std::string> lines; // what it shows, line by line, as drawn
    std::vector<CellRect> marks;    // the cells it draws on: no two controls share one
};

// Every visible control of the picture, in template order; hidden controls are left out.
std::vector<PlacedControl> placeControls(const DialogPicture& picture);

// The frame of a dialog centred in a canvas of that size (the client area lies inside it).
CellRect frameCells(const DialogTemplate& layout, int canvasRows, int canvasColumns);

// What a click on the close box of the title bar is reported as.
constexpr int kCloseBoxHit = -2;

struct PaintedDialog {
    CellRect frame;
    struct Hit {
        CellRect cells; // on the canvas
        int id;         // a control id, or kCloseBoxHit
    };
    std::vector<Hit> hits;

    // The control id (or kCloseBoxHit) at a canvas cell; nothing where no button lies.
    std::optional<int> hitAt(int row, int col) const;
};

// Paints the dialog centred in the canvas. An inactive dialog (the owner of a nested one) has a
// dimmed frame and title. Returns where it went and what a click can hit.
PaintedDialog paintDialog(Canvas& canvas, const DialogPicture& picture, bool active);

} // namespace terminal
