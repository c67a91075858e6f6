// The file-open panel on a real folder tree, and the terminal keys the dialogs and panel take.
#include <curses.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "programs/terminal/file_open_panel.h"
#include "programs/terminal/key_input.h"

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
        for (const char* file : {"MD11 Demo/aircraft.cfg", "A file.txt", ".hidden", "_last.cfg"}) {
            std::ofstream(root_ / "Aircraft" / file) << "x";
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    FileOpenPanel panel(std::uint32_t flags = kMustExist, std::size_t capacity = kPathCapacity) {
        return FileOpenPanel((root_ / "Aircraft").string(), "aircraft.cfg", flags, capacity);
    }
    static Outcome type(FileOpenPanel& panel, const std::string& text) {
        panel.press(PanelKey::clearField);
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
    EXPECT_EQ(names, "../ b folder/ MD11 Demo/ A file.txt _last.cfg ");
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

// The keys whose effect the tmux tests do not already show.
TEST(KeyInput, DialogAndPanelKeys) {
    using IK = emulated::InputKind;
    const std::pair<int, std::optional<IK>> dialogKeys[] = {
        {KEY_ENTER, IK::enter},    {27, IK::escape}, {KEY_LEFT, IK::up}, {'q', {}},
        {KEY_F(52), IK::closeBox}, {KEY_MOUSE, {}}};
    for (const auto& [key, kind] : dialogKeys) {
        const auto input = terminal::dialogInputForKey(key);
        EXPECT_EQ(input ? std::optional(input->kind) : std::nullopt, kind) << key;
    }
    const std::pair<int, std::optional<PanelKey>> panelKeys[] = {
        {127, PanelKey::backspace}, {KEY_NPAGE, PanelKey::pageDown}, {'\t', std::nullopt}};
    for (const auto& [key, panelKey] : panelKeys) {
        const auto input = terminal::panelInputForKey(key);
        EXPECT_EQ(input ? std::optional(input->key) : std::nullopt, panelKey) << key;
    }
    EXPECT_EQ(terminal::panelInputForKey(0xC3)->character, '\xC3');
}

} // namespace
