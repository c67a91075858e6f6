// Paths fill their 260-character field or are refused whole, never cut; the aircraft folder is the
// chosen path less its twelve-character file name.
#include "analysis/aircraft_paths.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(AircraftPaths, FillTheFieldOrAreRefusedWhole) {
    struct {
        char field[kPathCapacity];
        char guard[8] = "guard";
    } path;
    const std::string head(250, 'h'), f247(247, 'f'), f260(260, 'f');
    EXPECT_TRUE(composePath(path.field, {head.c_str(), "123456789"}));
    EXPECT_EQ(std::strlen(path.field), 259u);
    EXPECT_FALSE(composePath(path.field, {head.c_str(), "1234567890"}));
    EXPECT_STREQ(path.field, "");
    EXPECT_STREQ(path.guard, "guard");
    std::strcpy(path.field, "C:\\A\\aircraft.cfg");
    ASSERT_TRUE(keptCopyPath(path.field, path.field)); // may append to itself
    EXPECT_STREQ(path.field, "C:\\A\\aircraft.cfg_ORIGINAL");
    for (auto [cfgPath, folder] :
         {std::pair<std::string, std::string>{"C:\\A\\my_aircraft.cfg", "C:\\A\\my_"},
          {"aircraft.cfg", ""},
          {f247 + "aircraft.cfg", f247},
          {f260 + "aircraft.cfg", "refused"},
          {"ircraft.cfg", "refused"}}) {
        char field[kPathCapacity] = "x";
        EXPECT_EQ(aircraftFolder(cfgPath.c_str(), field) ? field : "refused" + std::string(field),
                  folder)
            << cfgPath;
    }
}
