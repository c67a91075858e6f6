// The file-open panel on a real folder tree: listing, name editing and completion, refusals; and
// the terminal keys the dialogs and panel take.
#include <curses.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/platform.h"
#include "programs/terminal/file_open_panel.h"
#include "programs/terminal/key_input.h"
#include "tests/terminal/grid_canvas.h"

using terminal::FileOpenPanel;
using terminal::PanelKey;
using Outcome = FileOpenPanel::Outcome;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kMustExist = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;

class FileOpenPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zrk-panel-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directories(root_ / "Aircraft/MD11 Demo/Panel");
        fs::create_directories(root_ / "Aircraft/b folder");
        for (const char* file :
             {"MD11 Demo/aircraft.cfg", "A file.txt", ".hidden", "_last.cfg", "md11 notes.txt"}) {
            std::ofstream(root_ / "Aircraft" / file) << "x";
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    FileOpenPanel panel(std::uint32_t flags = kMustExist, std::size_t capacity = kPathCapacity) {
        return FileOpenPanel((root_ / "Aircraft").string(), "aircraft.cfg", flags, capacity);
    }
    static Outcome type(FileOpenPanel& panel, const std::string& text) {
        panel.press(PanelKey::deleteToStart);
        for (char c : text) {
            panel.press(PanelKey::character, c);
        }
        return panel.press(PanelKey::enter);
    }
    std::string native(const char* relative) const { return (root_ / relative).string(); }

    fs::path root_;
};

TEST_F(FileOpenPanelTest, ListsFoldersThenFilesAndOpensTypedNamesInAnyLetterCase) {
    FileOpenPanel p = panel();
    std::string names;
    for (const terminal::PanelEntry& entry : p.entries()) {
        names += entry.name + (entry.isFolder ? "/ " : " ");
    }
    EXPECT_EQ(names, "../ b folder/ MD11 Demo/ A file.txt md11 notes.txt _last.cfg ");
    EXPECT_EQ(type(p, "b folder/../md11 demo"), Outcome::open);
    EXPECT_EQ(p.folder(), native("Aircraft/MD11 Demo"));
    EXPECT_EQ(p.field(), "aircraft.cfg") << "the proposed name comes back";
    EXPECT_EQ(type(p, "./PANEL/../AIRCRAFT.CFG"), Outcome::chosen);
    std::string chosen = native("Aircraft/MD11 Demo/aircraft.cfg");
    std::replace(chosen.begin(), chosen.end(), '/', '\\');
    EXPECT_EQ(p.chosenPath(), chosen);
    for (std::size_t room : {chosen.size(), chosen.size() + 1}) { // the terminator fits or not
        FileOpenPanel q = panel(kMustExist, room);
        EXPECT_EQ(type(q, native("Aircraft/MD11 Demo/aircraft.cfg")),
                  room > chosen.size() ? Outcome::chosen : Outcome::refused);
    }
}

TEST_F(FileOpenPanelTest, RefusesWhatTheFlagsForbidAndStaysUntilEscape) {
    const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
        // What is typed, the request's flags, the refusal (nothing when the path is taken).
        {"nothing.cfg", kMustExist, "nothing.cfg\nFile not found.\n"},
        {"no folder/x.cfg", kMustExist, "no folder/x.cfg\nPath does not exist.\n"},
        {"no folder/x.cfg", OFN_FILEMUSTEXIST, "no folder/x.cfg\nFile not found.\n"},
        {"no folder/x.cfg", 0, nullptr},
    };
    for (const auto& [typed, flags, refusal] : cases) {
        FileOpenPanel p = panel(flags);
        EXPECT_EQ(type(p, typed), refusal ? Outcome::refused : Outcome::chosen) << typed;
        if (refusal) {
            EXPECT_EQ(p.refusal().substr(0, std::string(refusal).size()), refusal);
            EXPECT_EQ(p.folder(), native("Aircraft")) << "the panel stays";
            EXPECT_EQ(p.press(PanelKey::escape), Outcome::cancelled);
        }
    }
}

// Keys typed into a fresh panel on Aircraft/ (proposing aircraft.cfg, selected): the field after
// them, '|' at the cursor, and the beeps. In the keys, <>^$~{} stand for Left, Right, Home, End,
// Delete, Up, Down; @ for the fixture's root folder.
TEST_F(FileOpenPanelTest, EditsAndCompletesTheFieldAsAShellDoes) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"x", "x|", 0},              // the first key typed replaces the proposed name
        {"<x", "x|aircraft.cfg", 0}, // a move keeps the text: Left from the selection's start
        {">\x7f", "aircraft.cf|", 0},
        {"^>\b~", "|rcraft.cfg", 0},
        {"\x05<<x", "aircraft.cx|fg", 0}, // Ctrl-E; typing inserts at the cursor
        {"\b", "|", 0},                   // a deleting key deletes the selection only
        {"~", "|", 0},
        {"\x01\b<x", "x|aircraft.cfg", 0}, // nothing to delete or pass at either end
        {"$~>x", "aircraft.cfgx|", 0},
        {"abc<<\x15", "|bc", 0},
        {"/a/b c/d\x17", "/a/b c/|", 0}, // Ctrl-W: a separator or a blank ends a word
        {"/a/b c/\x17", "/a/b |", 0},
        {"ab cd<<<\x17", "| cd", 0},
        {"/ab<<\x17", "|ab", 0},
        {"}}x", "b folderx|", 0}, // the list's Down and Up put a name in, not selected
        {"{{x", "md11 notes.txtx|", 0},
        {"no folder/x\r\x17", "|", 0},  // a refused path is selected too
        {"md11 d\t", "MD11 Demo/|", 0}, // stored letter case; a folder gets its separator
        {"m\t\t", "MD11 |", 1},         // two matches: as far as they agree, then a beep
        {"mdx<\t", "MD11 |x", 0},       // what stands before the cursor
        {"zz\t", "zz|", 1},
        {"a\t", "A file.txt|", 0},
        // Either separator; and Tab on a whole file name does not beep.
        {"../AIRCRAFT/md11 demo\\a\t\t", "../AIRCRAFT/md11 demo\\aircraft.cfg|", 0},
        {"@/Aircraft/b\t", "@/Aircraft/b folder/|", 0},
    };
    const std::map<char, int> special{{'<', KEY_LEFT}, {'>', KEY_RIGHT}, {'^', KEY_HOME},
                                      {'$', KEY_END},  {'~', KEY_DC},    {'{', KEY_UP},
                                      {'}', KEY_DOWN}};
    const auto expand = [this](std::string text) {
        if (const std::size_t at = text.find('@'); at != std::string::npos) {
            text.replace(at, 1, root_.string());
        }
        return text;
    };
    for (const auto& [keys, expected, beeps] : cases) {
        FileOpenPanel p = panel();
        int beeped = 0;
        for (const char c : expand(keys)) {
            const auto input = terminal::panelInputForKey(special.contains(c) ? special.at(c) : c);
            ASSERT_TRUE(input) << keys;
            beeped += p.press(input->key, input->character) == Outcome::beep ? 1 : 0;
        }
        std::string field = p.field();
        EXPECT_EQ(field.insert(p.cursor(), "|"), expand(expected)) << keys;
        EXPECT_EQ(beeped, beeps) << keys;
    }
}

TEST_F(FileOpenPanelTest, ShowsTheSelection) {
    FileOpenPanel p = panel();
    GridCanvas canvas(24, 80);
    for (const terminal::Look look : {terminal::Look::selected, terminal::Look::field}) {
        terminal::paintFileOpenPanel(canvas, p, "Title");
        const auto [row, col] = canvas.find("File name: aircraft.cfg");
        EXPECT_EQ(canvas.lookAt(row, col + 11), look);
        p.press(PanelKey::end);
    }
}

// The keys whose effect the other tests do not already show.
TEST(KeyInput, DialogAndPanelKeys) {
    using IK = emulated::InputKind;
    const std::pair<int, std::optional<IK>> dialogKeys[] = {
        {KEY_ENTER, IK::enter},    {27, IK::escape}, {KEY_LEFT, IK::up}, {'q', {}},
        {KEY_F(52), IK::closeBox}, {KEY_MOUSE, {}}};
    for (const auto& [key, kind] : dialogKeys) {
        const auto input = terminal::dialogInputForKey(key);
        EXPECT_EQ(input ? std::optional(input->kind) : std::nullopt, kind) << key;
    }
    EXPECT_EQ(terminal::panelInputForKey(KEY_NPAGE)->key, PanelKey::pageDown);
    EXPECT_FALSE(terminal::panelInputForKey(KEY_F(1)));
    EXPECT_EQ(terminal::panelInputForKey(0xC3)->character, '\xC3');
}

} // namespace
