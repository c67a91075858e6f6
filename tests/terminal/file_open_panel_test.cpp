// The file-open panel on a real folder tree: typed paths, name editing and completion, refusals;
// and the terminal keys the dialogs and panel take.
#include <curses.h>
#include <gtest/gtest.h>

#include <map>

#include "platform/platform.h"
#include "programs/terminal/file_open_panel.h"
#include "programs/terminal/key_input.h"
#include "tests/support/test_files.h"

using terminal::FileOpenPanel;
using Outcome = FileOpenPanel::Outcome;

namespace {

constexpr std::uint32_t kMustExist = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;

class FileOpenPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"MD11 Demo/Panel/", "b folder/", "MD11 Demo/aircraft.cfg",
                                 "A file.txt", ".hidden", "_last.cfg", "md11 notes.txt"}) {
            root.put(std::string("Aircraft/") + name, "x");
        }
    }
    // A fresh panel on Aircraft/, proposing aircraft.cfg.
    FileOpenPanel panel(std::uint32_t flags = kMustExist, std::size_t capacity = kPathCapacity) {
        return FileOpenPanel(root.native("Aircraft"), "aircraft.cfg", flags, capacity);
    }
    // The keys typed, <>^$~{} standing for Left, Right, Home, End, Delete, Up and Down, @ for the
    // root folder: the outcome of the last key, and the beeps.
    std::pair<Outcome, int> type(FileOpenPanel& p, const std::string& keys) {
        const std::map<char, int> special{{'<', KEY_LEFT}, {'>', KEY_RIGHT}, {'^', KEY_HOME},
                                          {'$', KEY_END},  {'~', KEY_DC},    {'{', KEY_UP},
                                          {'}', KEY_DOWN}};
        std::pair<Outcome, int> result{Outcome::open, 0};
        for (const char c : withRoot(keys)) {
            const auto input = terminal::panelInputForKey(special.contains(c) ? special.at(c) : c);
            result.first = input ? p.press(input->key, input->character) : Outcome::open;
            result.second += result.first == Outcome::beep ? 1 : 0;
        }
        return result;
    }
    std::string withRoot(std::string text) const {
        return text.starts_with('@') ? root.nativePath() + text.substr(1) : text;
    }

    TemporaryFolder root;
};

TEST_F(FileOpenPanelTest, OpensTypedNamesInAnyLetterCaseAndChoosesWithinTheCapacity) {
    FileOpenPanel p = panel();
    EXPECT_EQ(type(p, "b folder/../md11 demo\r").first, Outcome::open);
    EXPECT_EQ(p.folder(), root.native("Aircraft/MD11 Demo"));
    EXPECT_EQ(p.field(), "aircraft.cfg") << "the proposed name comes back";
    EXPECT_EQ(type(p, "./PANEL/../AIRCRAFT.CFG\r").first, Outcome::chosen);
    const std::string chosen = toCorePath(root.native("Aircraft/MD11 Demo/aircraft.cfg"));
    EXPECT_EQ(p.chosenPath(), chosen);
    for (std::size_t room : {chosen.size(), chosen.size() + 1}) { // the terminator fits or not
        FileOpenPanel q = panel(kMustExist, room);
        EXPECT_EQ(type(q, "@/Aircraft/MD11 Demo/aircraft.cfg\r").first,
                  room > chosen.size() ? Outcome::chosen : Outcome::refused);
    }
}

TEST_F(FileOpenPanelTest, RefusesWhatTheFlagsForbidAndStaysUntilEscape) {
    const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
        // What is typed, the request's flags, the refusal (nothing when the path is taken).
        {"nothing.cfg\r", kMustExist, "nothing.cfg\nFile not found.\n"},
        {"no folder/x.cfg\r", kMustExist, "no folder/x.cfg\nPath does not exist.\n"},
        {"no folder/x.cfg\r", OFN_FILEMUSTEXIST, "no folder/x.cfg\nFile not found.\n"},
        {"no folder/x.cfg\r", 0, nullptr},
    };
    for (const auto& [typed, flags, refusal] : cases) {
        FileOpenPanel p = panel(flags);
        EXPECT_EQ(type(p, typed).first, refusal ? Outcome::refused : Outcome::chosen);
        if (refusal) {
            EXPECT_TRUE(p.refusal().starts_with(refusal)) << p.refusal();
            EXPECT_EQ(type(p, "\x1b").first, Outcome::cancelled);
        }
    }
}

// Keys typed into a fresh panel (its proposed name selected): the field after them, '|' at the
// cursor, and the beeps.
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
    for (const auto& [keys, expected, beeps] : cases) {
        FileOpenPanel p = panel();
        const int beeped = type(p, keys).second;
        std::string field = p.field();
        EXPECT_EQ(field.insert(p.cursor(), "|"), withRoot(expected)) << keys;
        EXPECT_EQ(beeped, beeps) << keys;
    }
}

TEST(KeyInput, AltF4IsTheCloseBoxAndOtherKeysAreNothing) {
    EXPECT_EQ(terminal::dialogInputForKey(KEY_F(52)).value().kind, emulated::InputKind::closeBox);
    EXPECT_FALSE(terminal::dialogInputForKey('q'));
}

} // namespace
