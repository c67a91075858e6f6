// Painting a dialog and a message box into a grid: what is drawn where, how it looks, and what
// a click at a cell hits.
#include <gtest/gtest.h>

#include "platform/terminal/message_box.h"
#include "resources/control_ids.h"
#include "tests/terminal/picture_helpers.h"

using terminal::Look;

namespace {

// The main dialog right after its initialisation.
terminal::DialogPicture startedMainDialog() {
    terminal::DialogPicture picture = templatePicture("MainDialog");
    picture.title = "ZRK MD11 Panel installer - version 1.16";
    for (int id : {IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_PAX_3_CLASSES}) {
        controlOf(picture, id).checkState = BST_CHECKED;
    }
    controlOf(picture, IDC_CHOOSE_AIRCRAFT).focused = true;
    return picture;
}

TEST(DialogPainter, DrawsTitleCloseBoxControlsAndMarks) {
    GridCanvas canvas(24, 80);
    terminal::DialogPicture picture = startedMainDialog();
    controlOf(picture, IDC_STATUS).text = "Overland\nPratt && Whitney PW4462";
    const terminal::PaintedDialog painted = terminal::paintDialog(canvas, picture, true);
    const std::string screen = canvas.all();

    EXPECT_EQ(canvas.line(0).find(" ZRK MD11 Panel installer - version 1.16 "), 3u);
    EXPECT_EQ(canvas.line(0).substr(74, 3), "[X]");
    EXPECT_NE(screen.find(">[ Choose MD-11 aircraft ]"), std::string::npos) << screen;
    EXPECT_NE(screen.find("[x] Realistic brakes"), std::string::npos);
    EXPECT_NE(screen.find("[ ] ZRK engine sounds"), std::string::npos);
    EXPECT_NE(screen.find("(*) for version PAX, 3 classes"), std::string::npos);
    EXPECT_NE(screen.find("( ) for version CARGO"), std::string::npos);
    EXPECT_NE(screen.find("Pratt & Whitney PW4462"), std::string::npos) << "one ampersand";
    EXPECT_EQ(canvas.find("Overland").first + 1, canvas.find("Pratt & Whitney").first);
    EXPECT_EQ(screen.find("Choose same"), std::string::npos) << "hidden controls are not drawn";

    const auto [installRow, installCol] = canvas.find("[ Install ]");
    EXPECT_EQ(canvas.lookAt(installRow, installCol + 2), Look::disabled);
    const auto [quitRow, quitCol] = canvas.find("[ Quit ]");
    EXPECT_EQ(canvas.lookAt(quitRow, quitCol + 2), Look::normal);
    const auto [chooseRow, chooseCol] = canvas.find("[ Choose MD-11 aircraft ]");
    EXPECT_EQ(canvas.lookAt(chooseRow, chooseCol + 2), Look::focused);

    EXPECT_EQ(painted.hitAt(quitRow, quitCol + 3), IDC_QUIT);
    EXPECT_EQ(painted.hitAt(installRow, installCol), IDC_INSTALL) << "the manager refuses it";
    EXPECT_EQ(painted.hitAt(0, 75), terminal::kCloseBoxHit);
    const auto [statusRow, statusCol] = canvas.find("Overland");
    EXPECT_FALSE(painted.hitAt(statusRow, statusCol).has_value()) << "statics take no clicks";
    EXPECT_FALSE(painted.hitAt(canvas.find("Choose same").first, 5).has_value());
}

TEST(DialogPainter, NestedDialogWithoutCloseBoxOverAnInactiveOwner) {
    GridCanvas canvas(24, 80);
    terminal::paintDialog(canvas, startedMainDialog(), false);
    EXPECT_EQ(canvas.lookAt(0, 1), Look::inactiveFrame);
    const terminal::PaintedDialog painted =
        terminal::paintDialog(canvas, templatePicture("ManSetDialog"), true);
    EXPECT_EQ(painted.frame.height, 16);
    EXPECT_EQ(painted.frame.width, 74);
    const std::string top = canvas.line(painted.frame.row);
    EXPECT_NE(top.find(" UNKNOW iFDG MODEL - Tunings manual settings "), std::string::npos);
    EXPECT_EQ(top.find("[X]"), std::string::npos);
    for (const auto& hit : painted.hits) {
        EXPECT_NE(hit.id, terminal::kCloseBoxHit);
    }
    EXPECT_NE(canvas.all().find("( ) Wing STROBE lights type"), std::string::npos);
    EXPECT_NE(canvas.all().find(" Please manually select the desired tunings configuration. "),
              std::string::npos);
}

TEST(MessageBox, CaptionTextExclamationAndOneFocusedOkButton) {
    GridCanvas canvas(24, 80);
    const char* caption = "ERROR from ZRK MD11 Panel installer";
    const terminal::MessageBoxLayout layout = terminal::layoutMessageBox(
        "Illegal aircraft configuration !!!\n\nA long reason that goes on and on, well past the "
        "width that the box may take on this screen, so that it wraps.",
        caption, MB_OK | MB_ICONEXCLAMATION, canvas.rows(), canvas.columns());
    terminal::paintMessageBox(canvas, layout, caption);
    EXPECT_GE(layout.lines.size(), 4u);
    EXPECT_EQ(layout.lines[1], "");
    EXPECT_LE(layout.frame.right(), 80);
    EXPECT_NE(canvas.line(layout.frame.row).find(caption), std::string::npos);
    EXPECT_NE(canvas.line(layout.textRow).find("/!\\  Illegal aircraft configuration !!!"),
              std::string::npos);
    const std::string buttons = canvas.line(layout.okButton.row);
    EXPECT_EQ(buttons.find(">[ OK ]"), static_cast<std::size_t>(layout.okButton.col - 1));
    EXPECT_EQ(canvas.lookAt(layout.okButton.row, layout.okButton.col + 2), Look::focused);

    const terminal::MessageBoxLayout plain =
        terminal::layoutMessageBox("Pratt && Whitney", "", MB_OK, 24, 80);
    EXPECT_FALSE(plain.exclamation);
    EXPECT_EQ(plain.lines, std::vector<std::string>{"Pratt && Whitney"}) << "boxes keep && as is";
}

} // namespace
