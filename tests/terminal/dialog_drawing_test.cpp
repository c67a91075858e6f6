// Dialogs in cells: fit 80 x 24, no overlaps, whole texts; painted looks, lines and hits.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <span>

#include "programs/terminal/dialog_painter.h"
#include "resources/control_ids.h"

namespace {

// Where each text was written (row, column) and how; a painter draws every label in one piece.
struct TextRecorder final : terminal::Canvas {
    std::map<std::string, std::tuple<int, int, terminal::Look>> written;

    int rows() const override { return 24; }
    int columns() const override { return 80; }
    void text(int row, int col, std::string_view text, terminal::Look look) override {
        written[std::string(text)] = {row, col, look};
    }
    void fill(const terminal::CellRect&, terminal::Look) override {}
    void frame(const terminal::CellRect&, terminal::Look) override {}
};

// The template's controls as they start; with `all`, each shown, enabled, checked and focused.
terminal::DialogPicture templatePicture(const char* name, bool all) {
    terminal::DialogPicture picture{findDialogTemplate(name), name, {}};
    for (const ControlTemplate& c :
         std::span(picture.layout->controls, picture.layout->controlCount)) {
        picture.controls.push_back(
            {&c, c.id, c.text, all || !c.disabled, all || !c.hidden, all ? 1u : 0u, all});
    }
    return picture;
}

class DialogCells : public ::testing::TestWithParam<const char*> {};

// The worst case: everything shown and marked, and the longest texts the statics get.
TEST_P(DialogCells, FitTheScreenShowEveryTextWholeAndNeverOverlap) {
    terminal::DialogPicture picture = templatePicture(GetParam(), true);
    if (picture.layout->closeBox) { // the main dialog
        picture.controls[4].text = "iFDG MD-11F CARGO GE unknown version";
        picture.controls[5].text =
            "iFDG MD-11 model identified.\nUnknow version (manual settings: FX=strobe MDL=nav "
            "+commands)\nAircraft type: MD-11 by default (unable to identify)\nMotorization: "
            "Pratt && Whitney PW4462 by default (unable to identify)\nPanel installed "
            "successfully.";
    }
    const terminal::CellRect frame = terminal::frameCells(*picture.layout, 24, 80);
    EXPECT_TRUE(frame.row >= 0 && frame.col >= 0 && frame.bottom() <= 24 && frame.right() <= 80);
    const terminal::CellRect client = terminal::clientCells(*picture.layout);
    const auto inked = [](std::string text) { // what wrapping may not take out
        std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
        return text;
    };
    const std::vector<terminal::PlacedControl> placed = terminal::placeControls(picture);
    ASSERT_EQ(placed.size(), picture.controls.size());
    for (std::size_t a = 0; a < placed.size(); ++a) {
        const std::string shown =
            std::accumulate(placed[a].lines.begin(), placed[a].lines.end(), std::string());
        const std::string text = terminal::displayText(placed[a].control->text);
        EXPECT_NE(inked(shown).find(inked(text)), std::string::npos) << "cut: " << text;
        for (const terminal::CellRect& mark : placed[a].marks) {
            EXPECT_TRUE(client.contains(mark.row, mark.col) &&
                        client.contains(mark.bottom() - 1, mark.right() - 1))
                << placed[a].control->id << " leaves the client area";
            for (std::size_t b = a + 1; b < placed.size(); ++b) {
                for (const terminal::CellRect& other : placed[b].marks) {
                    EXPECT_FALSE(mark.intersects(other)) << "controls " << a << " and " << b;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, DialogCells, ::testing::Values("MainDialog", "ManSetDialog"));

// The marks of each kind and the hidden controls are seen on the real screen in tmux.
TEST(DialogPainter, LooksLinesAndHitsOnlyButtons) {
    terminal::DialogPicture picture = templatePicture("MainDialog", false);
    picture.controls[0].focused = true;
    picture.controls[5].text = "Overland\nPratt && Whitney PW4462";
    TextRecorder canvas;
    const terminal::PaintedDialog painted = terminal::paintDialog(canvas, picture, true);
    const auto at = [&](const char* text) {
        const auto& [row, col, look] = canvas.written.at(text);
        return std::make_pair(look, painted.hitAt(row, col + 1));
    };
    using terminal::Look;
    EXPECT_EQ(at("[ Install ]"), std::make_pair(Look::disabled, std::optional(IDC_INSTALL)));
    EXPECT_EQ(at("[ Quit ]"), std::make_pair(Look::normal, std::optional(IDC_QUIT)));
    EXPECT_EQ(at("[ Choose MD-11 aircraft ]").first, Look::focused);
    EXPECT_EQ(at("[X]").second, terminal::kCloseBoxHit);
    EXPECT_EQ(at("Pratt & Whitney PW4462").second, std::nullopt) << "statics take no clicks";
    EXPECT_EQ(std::get<0>(canvas.written.at("Overland")) + 1,
              std::get<0>(canvas.written.at("Pratt & Whitney PW4462")));
}

} // namespace
