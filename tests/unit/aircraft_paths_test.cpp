// The aircraft folder and composed paths: nothing past the 260-character fields, never cut.
#include "analysis/aircraft_paths.h"

#include <cstring>
#include <gtest/gtest.h>

#include "app/installer_state.h"

TEST(AircraftPaths, FolderIsTheChosenPathLessTwelveCharacters) {
    const std::string longFolder(247, 'a');
    for (auto [cfgPath, folder] :
         {std::pair<std::string, std::string>{"C:\\A\\aircraft.cfg", "C:\\A\\"},
          {"C:\\A\\my_aircraft.cfg", "C:\\A\\my_"}, // name not looked at
          {"aircraft.cfg", ""},
          {longFolder + "aircraft.cfg", longFolder},
          {"ircraft.cfg", "refused"}}) {
        char field[kPathCapacity];
        std::memset(field, 'x', sizeof field);
        bool accepted = aircraftFolder(cfgPath.c_str(), field);
        EXPECT_EQ(accepted ? field : "refused" + std::string(field), folder) << cfgPath;
    }
}

TEST(AircraftPaths, ComposedPathsFillTheFieldOrAreEmpty) {
    struct {
        char field[kPathCapacity];
        char guard[8] = {'g', 'g', 'g', 'g', 'g', 'g', 'g', 'g'};
    } path;
    std::string head(250, 'h');
    EXPECT_TRUE(composePath(path.field, {head.c_str(), "123456789"}));
    EXPECT_EQ(std::strlen(path.field), 259u);
    EXPECT_FALSE(composePath(path.field, {head.c_str(), "1234567890", head.c_str()}));
    EXPECT_STREQ(path.field, "");
    EXPECT_EQ(std::string(path.guard, 8), "gggggggg");
    std::strcpy(path.field, "C:\\A\\aircraft.cfg");
    ASSERT_TRUE(keptCopyPath(path.field, path.field)); // may append to itself
    EXPECT_STREQ(path.field, "C:\\A\\aircraft.cfg_ORIGINAL");
}
