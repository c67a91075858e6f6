// The Win32 user-interface half where Install.exe cannot show it: a control's text is cut to the
// buffer's capacity, its terminator included, and nothing is written past it.
#include <windows.h>

#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Win32Controls, TextIsCutWithinTheCapacity) {
    HWND parent = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(CreateWindowA("STATIC", "Pratt && Whitney", WS_CHILD, 0, 0, 10, 10, parent,
                            reinterpret_cast<HMENU>(1003), nullptr, nullptr),
              nullptr);
    char buffer[] = "xxxxxxxxxxxxxxxx";
    getControlText(reinterpret_cast<WindowHandle>(parent), 1003, buffer, 6);
    EXPECT_STREQ(buffer, "Pratt");
    EXPECT_EQ(buffer[6], 'x');
    DestroyWindow(parent);
}
