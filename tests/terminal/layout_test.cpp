// Dialog units to cells: both dialogs fit an 80 x 24 terminal, no two controls draw on the
// same cell, and every control shows its whole text, also the longest the installer writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/control_ids.h"
#include "tests/terminal/picture_helpers.h"

using terminal::CellRect;

namespace {

TEST(CellLayout, BothDialogsFitAnEightyByTwentyFourTerminalWithTheirFrames) {
    EXPECT_EQ(terminal::clientCells(*findDialogTemplate("MainDialog")).width, 76);
    EXPECT_EQ(terminal::clientCells(*findDialogTemplate("MainDialog")).height, 22);
    for (const char* name : {"MainDialog", "ManSetDialog"}) {
        const CellRect frame = terminal::frameCells(*findDialogTemplate(name), 24, 80);
        EXPECT_GE(frame.row, 0) << name;
        EXPECT_GE(frame.col, 0) << name;
        EXPECT_LE(frame.bottom(), 24) << name;
        EXPECT_LE(frame.right(), 80) << name;
    }
}

// Every control shown, enabled, checked and focused at once, the statics holding the longest
// texts they get: the worst case for overlaps and cut texts.
terminal::DialogPicture crowdedPicture(const char* name) {
    terminal::DialogPicture picture = templatePicture(name);
    for (emulated::ControlView& control : picture.controls) {
        control.visible = true;
        control.enabled = true;
        control.checkState = BST_CHECKED;
        control.focused = true;
    }
    if (picture.layout->name == std::string("MainDialog")) {
        controlOf(picture, IDC_FOLDER_NAME).text = "iFDG MD-11F CARGO GE unknown version";
        controlOf(picture, IDC_STATUS).text =
            "iFDG MD-11 model identified.\nUnknow version (manual settings: FX=strobe MDL=nav "
            "+commands)\nAircraft type: MD-11 by default (unable to identify)\nMotorization: GE "
            "CF6-80C2D1F by default (unable to identify)\nPanel installed successfully.";
    }
    return picture;
}

class DialogCells : public ::testing::TestWithParam<const char*> {};

TEST_P(DialogCells, NoTwoControlsDrawOnTheSameCellAndAllStayInsideTheClientArea) {
    const terminal::DialogPicture picture = crowdedPicture(GetParam());
    const std::vector<terminal::PlacedControl> placed = terminal::placeControls(picture);
    ASSERT_EQ(placed.size(), picture.controls.size());
    const CellRect client = terminal::clientCells(*picture.layout);
    for (std::size_t a = 0; a < placed.size(); ++a) {
        for (const CellRect& mark : placed[a].marks) {
            EXPECT_TRUE(client.contains(mark.row, mark.col) &&
                        client.contains(mark.bottom() - 1, mark.right() - 1))
                << "control " << a << " leaves the client area";
            for (std::size_t b = a + 1; b < placed.size(); ++b) {
                for (const CellRect& other : placed[b].marks) {
                    EXPECT_FALSE(mark.intersects(other))
                        << "controls " << a << " (" << placed[a].control->id << ") and " << b
                        << " (" << placed[b].control->id << ") overlap";
                }
            }
        }
    }
}

TEST_P(DialogCells, EveryControlShowsItsWholeText) {
    const terminal::DialogPicture picture = crowdedPicture(GetParam());
    for (const terminal::PlacedControl& entry : terminal::placeControls(picture)) {
        const std::string shown = terminal::displayText(entry.control->text);
        std::string joined;
        for (const std::string& line : entry.lines) {
            joined += (joined.empty() ? "" : "\n") + line;
        }
        // Wrapping may break a line at a blank; nothing else may go missing.
        const std::vector<std::string> wrapped = terminal::wrapText(shown, entry.cells.width);
        switch (entry.control->layout->kind) {
        case ControlKind::staticText:
            EXPECT_EQ(entry.lines, wrapped) << "static cut: " << shown;
            break;
        case ControlKind::groupBox:
            EXPECT_EQ(joined, shown);
            break;
        default:
            EXPECT_NE(joined.find(shown), std::string::npos) << "label cut: " << shown;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, DialogCells, ::testing::Values("MainDialog", "ManSetDialog"));

struct TextCase {
    const char* raw;
    const char* shown;
};

TEST(CellLayout, AmpersandsShowAsWindowsDrawsThem) {
    const TextCase cases[] = {
        {"Pratt && Whitney", "Pratt & Whitney"},
        {"&Quit", "Quit"},
        {"&&&x", "&x"},
        {"end&", "end"},
        {"", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(terminal::displayText(c.raw), c.shown) << c.raw;
    }
}

struct WrapCase {
    const char* text;
    int width;
    std::vector<std::string> lines;
};

TEST(CellLayout, WrapBreaksAtLineFeedsThenAtTheLastBlankThatFits) {
    const WrapCase cases[] = {
        {"", 10, {""}},
        {"one\ntwo", 10, {"one", "two"}},
        {"one\r\ntwo\n", 10, {"one", "two", ""}},
        {"aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 8, {"aaa bbb", "ccc"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"ab abcdefgh", 4, {"ab", "abcd", "efgh"}},
        {"x", 0, {"x"}},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(terminal::wrapText(c.text, c.width), c.lines) << c.text << " at " << c.width;
    }
}

} // namespace
