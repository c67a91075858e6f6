// Terminal keys as dialog input, message box answers and panel keys.
#include <curses.h>
#include <gtest/gtest.h>

#include "platform/terminal/key_input.h"

using emulated::InputKind;
using terminal::PanelKey;

namespace {

struct DialogKeyCase {
    int key;
    std::optional<InputKind> kind;
};

TEST(KeyInput, DialogKeys) {
    const DialogKeyCase cases[] = {
        {'\t', InputKind::tab},           {KEY_BTAB, InputKind::backTab},
        {'\r', InputKind::enter},         {'\n', InputKind::enter},
        {KEY_ENTER, InputKind::enter},    {' ', InputKind::space},
        {27, InputKind::escape},          {KEY_UP, InputKind::up},
        {KEY_LEFT, InputKind::up},        {KEY_DOWN, InputKind::down},
        {KEY_RIGHT, InputKind::down},     {KEY_F(10), InputKind::closeBox},
        {KEY_F(52), InputKind::closeBox}, {'q', std::nullopt},
        {KEY_F(4), std::nullopt},         {KEY_MOUSE, std::nullopt},
    };
    for (const DialogKeyCase& c : cases) {
        const auto input = terminal::dialogInputForKey(c.key);
        ASSERT_EQ(input.has_value(), c.kind.has_value()) << c.key;
        if (input) {
            EXPECT_EQ(input->kind, *c.kind) << c.key;
        }
    }
    for (int key : {int{'\r'}, int{' '}, 27}) {
        EXPECT_TRUE(terminal::closesMessageBox(key)) << key;
    }
    EXPECT_FALSE(terminal::closesMessageBox('\t'));
}

TEST(KeyInput, PanelKeysTypeEveryPrintableByteAndEditWithTheRest) {
    EXPECT_EQ(terminal::panelInputForKey('a')->key, PanelKey::character);
    EXPECT_EQ(terminal::panelInputForKey(' ')->character, ' ');
    EXPECT_EQ(terminal::panelInputForKey(0xC3)->character, static_cast<char>(0xC3));
    EXPECT_EQ(terminal::panelInputForKey(127)->key, PanelKey::backspace);
    EXPECT_EQ(terminal::panelInputForKey(KEY_BACKSPACE)->key, PanelKey::backspace);
    EXPECT_EQ(terminal::panelInputForKey(KEY_DC)->key, PanelKey::erase);
    EXPECT_EQ(terminal::panelInputForKey(21)->key, PanelKey::clearField);
    EXPECT_EQ(terminal::panelInputForKey('\r')->key, PanelKey::enter);
    EXPECT_EQ(terminal::panelInputForKey(27)->key, PanelKey::escape);
    EXPECT_EQ(terminal::panelInputForKey(KEY_NPAGE)->key, PanelKey::pageDown);
    EXPECT_FALSE(terminal::panelInputForKey('\t').has_value());
    EXPECT_FALSE(terminal::panelInputForKey(KEY_F(1)).has_value());
}

} // namespace
