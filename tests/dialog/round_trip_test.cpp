// Random aircraft folders of every family through Install and then Uninstall: each comes back
// byte for byte. ZRK_ROUND_TRIP_SEED and ZRK_ROUND_TRIP_COUNT choose the folders (a fixed few by
// default); a failure names the seed that replays its folder alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>

#include "tests/support/main_dialog_fixture.h"
#include "tests/support/random_aircraft.h"

namespace {

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value == nullptr ? fallback : std::strtoul(value, nullptr, 10);
}

// A large file as its size and hash, so that a failure stays readable.
FileTree comparable(FileTree tree) {
    for (auto& [path, bytes] : tree) {
        if (bytes.size() >= 4096) {
            bytes = std::to_string(bytes.size()) + " bytes, hash " +
                    std::to_string(std::hash<std::string>{}(bytes));
        }
    }
    return tree;
}

// By default twelve folders that hold every family, the manual settings and the sounds; the
// options are any a user might pick from those the identification enabled.
using RoundTripTest = MainDialogTest;
TEST_F(RoundTripTest, InstallThenUninstallGivesTheFolderBack) {
    const unsigned long seed = fromEnvironment("ZRK_ROUND_TRIP_SEED", 7);
    const unsigned long count = fromEnvironment("ZRK_ROUND_TRIP_COUNT", 12);
    for (unsigned long n = seed; n < seed + count && !HasFailure(); ++n) {
        SCOPED_TRACE("replay with ZRK_ROUND_TRIP_SEED=" + std::to_string(n) +
                     " ZRK_ROUND_TRIP_COUNT=1");
        std::mt19937 random(static_cast<std::mt19937::result_type>(n));
        TemporaryFolder folder;
        const RandomAircraft generated = layOutRandomAircraft(random, folder);
        const bool soundPackage = random() % 2 == 0;
        if (soundPackage) {
            addSoundFolder();
        } else {
            std::filesystem::remove_all(startFolder() + "/../ZRK MD-11 sound");
        }
        const FileTree before = folder.tree();
        if (generated.asksManualSettings) {
            frontEnd().queueInput("ManSetDialog", emulated::InputEvent::click(IDC_MANSET_OK));
        }
        chooseAircraftFile(folder.core(generated.cfgName));
        const auto check = [&](int id, bool checked) {
            setCheckState(dialog(), id, checked ? BST_CHECKED : BST_UNCHECKED);
        };
        check(IDC_REALISTIC_BRAKES, random() % 2 == 0);
        check(IDC_ENGINE_SOUNDS, soundPackage && random() % 2 == 0);
        check(IDC_TRIMDESK, random() % 4 != 0);
        std::vector<int> layouts = options();
        std::erase_if(layouts,
                      [](int id) { return id < IDC_PAX_3_CLASSES || id > IDC_PAX_2_CLASSES; });
        ASSERT_FALSE(layouts.empty());
        click(layouts[random() % layouts.size()]);
        click(IDC_INSTALL);
        ASSERT_TRUE(statusText().ends_with("Panel installed successfully.")) << statusText();
        EXPECT_EQ(readNativeFile(folder.native(generated.cfgName + "_ORIGINAL")),
                  before.at(generated.cfgName));
        chooseAircraftFile(folder.core(generated.cfgName));
        click(IDC_UNINSTALL);
        EXPECT_EQ(comparable(folder.tree()), comparable(before));
    }
}

} // namespace
