// Install.exe under Wine: a second copy is refused while the first runs on.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/window_probe.h"

namespace {

constexpr const char* kTitle = "ZRK MD11 Panel installer - version 1.16";
constexpr const char* kErrorCaption = "ERROR from ZRK MD11 Panel installer";

TEST(SingleInstance, RefusesASecondCopyAndLeavesTheFirstRunning) {
    InstallerProcess first;
    HWND dialog = first.waitForDialog(kTitle);
    ASSERT_NE(dialog, nullptr);

    InstallerProcess second;
    ASSERT_TRUE(second.started());
    HWND box = second.waitForDialog(kErrorCaption);
    ASSERT_NE(box, nullptr) << "the second copy showed no error box";
    EXPECT_TRUE(isMessageBox(box));
    EXPECT_EQ(controlText(box, kMessageBoxText), "This application is already running !!!");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(visibleButtons(box), 1);
    EXPECT_EQ(findDialog(second.id(), kTitle), nullptr);
    EXPECT_EQ(findDialog(first.id(), kErrorCaption), nullptr);

    EXPECT_TRUE(click(box, IDOK));
    EXPECT_EQ(second.waitForExit(), std::optional<DWORD>{0});

    // The first copy still answers and still ends as usual.
    EXPECT_TRUE(first.stillRunningAfter(0));
    EXPECT_TRUE(answers(dialog));
    EXPECT_TRUE(click(dialog, 1000));
    EXPECT_EQ(first.waitForExit(), std::optional<DWORD>{1});
}

TEST(SingleInstance, StartsAgainOnceTheFirstCopyHasEnded) {
    {
        InstallerProcess first;
        HWND dialog = first.waitForDialog(kTitle);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(click(dialog, 1000));
        ASSERT_EQ(first.waitForExit(), std::optional<DWORD>{1});
    }
    InstallerProcess next;
    EXPECT_NE(next.waitForDialog(kTitle), nullptr);
    EXPECT_EQ(findDialog(next.id(), kErrorCaption), nullptr);
}

} // namespace
