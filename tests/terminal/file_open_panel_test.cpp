// The file-open panel on a real folder tree: listing order, walking folders by typed names in
// any letter case, the refusals of missing files and paths, and the field's editing keys.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "platform/terminal/file_open_panel.h"
#include "platform/terminal/key_input.h"
#include "tests/terminal/picture_helpers.h"

using terminal::FileOpenPanel;
using terminal::PanelKey;
using Outcome = FileOpenPanel::Outcome;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kMustExist = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

class FileOpenPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zrk-panel-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const char* folder : {"Aircraft/MD11 Demo/Panel", "Aircraft/b folder", ".hidden"}) {
            fs::create_directories(root_ / folder);
        }
        for (const char* file : {"Aircraft/MD11 Demo/aircraft.cfg", "Aircraft/A file.txt",
                                 "Aircraft/c.cfg", "Aircraft/_last.cfg"}) {
            std::ofstream(root_ / file) << "x";
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    FileOpenPanel panelIn(const char* folder, std::uint32_t flags = kMustExist,
                          std::size_t capacity = kPathCapacity) {
        return FileOpenPanel((root_ / folder).string(), "aircraft.cfg", flags, capacity);
    }
    static Outcome type(FileOpenPanel& panel, const std::string& text) {
        panel.press(PanelKey::clearField);
        for (char c : text) {
            panel.press(PanelKey::character, c);
        }
        return panel.press(PanelKey::enter);
    }
    std::string core(const std::string& relative) const {
        std::string path = (root_ / relative).string();
        for (char& c : path) {
            c = c == '/' ? '\\' : c;
        }
        return path;
    }

    fs::path root_;
};

TEST_F(FileOpenPanelTest, ListsTheParentThenFoldersThenFilesInWindowsOrderWithoutHiddenOnes) {
    FileOpenPanel panel = panelIn("Aircraft");
    std::vector<std::string> names;
    for (const terminal::PanelEntry& entry : panel.entries()) {
        names.push_back(entry.name + (entry.isFolder ? "/" : ""));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"../", "b folder/", "MD11 Demo/", "A file.txt",
                                               "c.cfg", "_last.cfg"}));
    EXPECT_EQ(panel.field(), "aircraft.cfg");
    EXPECT_EQ(panelIn("").entries().size(), 2u) << ".. and Aircraft; .hidden is left out";
}

TEST_F(FileOpenPanelTest, TypedFolderInAnyCaseIsEnteredAndItsFileChosenUnderStoredNames) {
    FileOpenPanel panel = panelIn("Aircraft/b folder");
    EXPECT_EQ(type(panel, "../md11 demo"), Outcome::open);
    EXPECT_EQ(panel.folder(), (root_ / "Aircraft/MD11 Demo").string());
    EXPECT_EQ(panel.field(), "aircraft.cfg") << "the proposed name comes back";
    EXPECT_EQ(type(panel, "./PANEL/../AIRCRAFT.CFG"), Outcome::chosen);
    EXPECT_EQ(panel.chosenPath(), core("Aircraft/MD11 Demo/aircraft.cfg"));

    FileOpenPanel absolute = panelIn("");
    EXPECT_EQ(type(absolute, (root_ / "aircraft/MD11 DEMO/aircraft.cfg").string()),
              Outcome::chosen);
    EXPECT_EQ(absolute.chosenPath(), core("Aircraft/MD11 Demo/aircraft.cfg"));
}

struct RefusalCase {
    const char* typed;
    std::uint32_t flags;
    Outcome outcome;
    const char* reason; // the refusal's second line, or the chosen path's end
};

TEST_F(FileOpenPanelTest, MissingFilesAndPathsAreRefusedAsTheFlagsAsk) {
    const RefusalCase cases[] = {
        {"nothing.cfg", kMustExist, Outcome::refused, "File not found."},
        {"no folder/aircraft.cfg", kMustExist, Outcome::refused, "Path does not exist."},
        {"*.cfg", kMustExist, Outcome::refused, "File not found."},
        {"nothing.cfg", OFN_PATHMUSTEXIST, Outcome::chosen, "\\Aircraft\\nothing.cfg"},
        {"no folder/x.cfg", OFN_FILEMUSTEXIST, Outcome::refused, "File not found."},
        {"no folder/x.cfg", 0, Outcome::chosen, "\\no folder\\x.cfg"},
    };
    for (const RefusalCase& c : cases) {
        FileOpenPanel panel = panelIn("Aircraft", c.flags);
        ASSERT_EQ(type(panel, c.typed), c.outcome) << c.typed;
        if (c.outcome == Outcome::refused) {
            EXPECT_EQ(panel.refusal().substr(0, panel.refusal().find('\n')), c.typed);
            EXPECT_NE(panel.refusal().find(std::string("\n") + c.reason + "\n"), std::string::npos)
                << panel.refusal();
            EXPECT_EQ(panel.folder(), (root_ / "Aircraft").string()) << "the panel stays";
        } else {
            const std::string end = c.reason;
            EXPECT_EQ(panel.chosenPath().substr(panel.chosenPath().size() - end.size()), end);
        }
    }
}

TEST_F(FileOpenPanelTest, PathThatWouldNotFitTheCallersBufferIsRefused) {
    const std::string chosen = core("Aircraft/c.cfg");
    FileOpenPanel fits = panelIn("Aircraft", kMustExist, chosen.size() + 1);
    EXPECT_EQ(type(fits, "c.cfg"), Outcome::chosen);
    FileOpenPanel tooLong = panelIn("Aircraft", kMustExist, chosen.size());
    EXPECT_EQ(type(tooLong, "c.cfg"), Outcome::refused);
}

TEST_F(FileOpenPanelTest, WalkingTheListFillsTheFieldAndASecondClickOpens) {
    FileOpenPanel panel = panelIn("Aircraft");
    panel.press(PanelKey::up);
    EXPECT_EQ(panel.field(), "_last.cfg") << "up from nothing takes the last entry";
    panel.press(PanelKey::pageUp);
    EXPECT_EQ(panel.field(), "..") << "pages stop at the start";
    panel.press(PanelKey::pageDown);
    EXPECT_EQ(panel.selected(), 5) << "pages stop at the end";
    EXPECT_EQ(panel.clickEntry(2), Outcome::open);
    EXPECT_EQ(panel.field(), "MD11 Demo");
    EXPECT_EQ(panel.clickEntry(2), Outcome::open);
    EXPECT_EQ(panel.folder(), (root_ / "Aircraft/MD11 Demo").string());
    EXPECT_EQ(panel.clickEntry(99), Outcome::open);
    EXPECT_EQ(panel.press(PanelKey::escape), Outcome::cancelled);
    EXPECT_EQ(panel.firstShown(3), 0u);
    for (int i = 0; i < 3; ++i) {
        panel.press(PanelKey::down);
    }
    EXPECT_EQ(panel.firstShown(2), 1u) << "the selection stays in view";
}

TEST_F(FileOpenPanelTest, PaintedPanelShowsFolderEntriesAndFieldAndTakesClicks) {
    FileOpenPanel panel = panelIn("Aircraft");
    GridCanvas canvas(24, 80);
    const terminal::PanelLayout layout = terminal::paintFileOpenPanel(canvas, panel, "Title");
    EXPECT_NE(canvas.line(layout.frame.row).find(" Title "), std::string::npos);
    EXPECT_EQ(
        canvas.line(layout.list.row + 2).substr(static_cast<std::size_t>(layout.list.col), 10),
        "MD11 Demo/");
    EXPECT_NE(canvas.all().find("File name: aircraft.cfg"), std::string::npos);
    EXPECT_EQ(canvas.find("aircraft.cfg").second + 12, layout.cursorCol) << "cursor at the end";

    const terminal::PanelHit entry = layout.hitAt(layout.list.row + 2, layout.list.col + 30);
    ASSERT_EQ(entry.kind, terminal::PanelHit::Kind::entry);
    EXPECT_EQ(terminal::clickPanel(panel, entry), Outcome::open);
    EXPECT_EQ(panel.field(), "MD11 Demo");
    EXPECT_EQ(
        terminal::clickPanel(panel, layout.hitAt(layout.openButton.row, layout.openButton.col)),
        Outcome::open);
    EXPECT_EQ(panel.folder(), (root_ / "Aircraft/MD11 Demo").string()) << "Open is Enter";
    EXPECT_EQ(terminal::clickPanel(panel, layout.hitAt(layout.frame.row, layout.frame.col)),
              Outcome::open);
    EXPECT_EQ(terminal::clickPanel(
                  panel, layout.hitAt(layout.cancelButton.row, layout.cancelButton.right() - 1)),
              Outcome::cancelled);
}

TEST_F(FileOpenPanelTest, FieldEditingKeys) {
    FileOpenPanel panel = panelIn("Aircraft");
    panel.press(PanelKey::backspace);
    EXPECT_EQ(panel.field(), "aircraft.cf");
    panel.press(PanelKey::home);
    panel.press(PanelKey::erase);
    panel.press(PanelKey::right);
    panel.press(PanelKey::character, 'X');
    EXPECT_EQ(panel.field(), "iXrcraft.cf");
    EXPECT_EQ(panel.cursor(), 2u);
    panel.press(PanelKey::end);
    panel.press(PanelKey::left);
    panel.press(PanelKey::backspace);
    EXPECT_EQ(panel.field(), "iXrcraft.f");
    panel.press(PanelKey::clearField);
    EXPECT_EQ(panel.press(PanelKey::enter), Outcome::open) << "an empty field does nothing";
}

} // namespace
