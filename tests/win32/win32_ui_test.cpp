// The Win32 user-interface half where Install.exe cannot show it for certain: its texts never
// fill their buffers, and a command posted instead of sent would mostly have run before a look.
#include <windows.h>

#include "platform/platform.h"

#include <gtest/gtest.h>

namespace {

WPARAM lastCommand = 0;

LRESULT CALLBACK recordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    lastCommand = message == WM_COMMAND ? wParam : lastCommand;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Win32Controls, TextIsCutWithinTheCapacityAndACommandRunsBeforeReturning) {
    WNDCLASSA type{};
    type.lpfnWndProc = recordCommands;
    type.lpszClassName = "ZrkRecordingDialog";
    RegisterClassA(&type);
    HWND parent =
        CreateWindowA(type.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(CreateWindowA("STATIC", "Pratt && Whitney", WS_CHILD, 0, 0, 10, 10, parent,
                            reinterpret_cast<HMENU>(1003), nullptr, nullptr),
              nullptr);
    char buffer[] = "xxxxxxxxxxxxxxxx";
    getControlText(reinterpret_cast<WindowHandle>(parent), 1003, buffer, 6);
    EXPECT_STREQ(buffer, "Pratt");
    EXPECT_EQ(buffer[6], 'x') << "written past the capacity";
    sendCommand(reinterpret_cast<WindowHandle>(parent), 1001);
    EXPECT_EQ(lastCommand, 1001u);
    DestroyWindow(parent);
}

} // namespace
