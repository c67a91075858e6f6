// The aircraft folder and composed paths: nothing past the 260-character fields, never a cut
// path.
#include "analysis/aircraft_paths.h"

#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

#include "app/installer_state.h"

namespace {

struct FolderCase {
    std::string cfgPath;
    bool accepted;
    std::string folder;
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << '"' << c.cfgPath << '"';
}

class AircraftFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(AircraftFolderTest, CutsTheLastTwelveCharacters) {
    const FolderCase& c = GetParam();
    char folder[kPathCapacity];
    std::memset(folder, 'x', sizeof folder);
    EXPECT_EQ(aircraftFolder(c.cfgPath.c_str(), folder), c.accepted);
    EXPECT_EQ(std::string(folder), c.folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, AircraftFolderTest,
                         ::testing::Values(FolderCase{"C:\\FS9\\Aircraft\\MD11\\aircraft.cfg", true,
                                                      "C:\\FS9\\Aircraft\\MD11\\"},
                                           // The file's own name is not looked at.
                                           FolderCase{"C:\\A\\my_aircraft.cfg", true, "C:\\A\\my_"},
                                           FolderCase{"aircraft.cfg", true, ""},
                                           FolderCase{"ircraft.cfg", false, ""},
                                           FolderCase{std::string(247, 'a') + "aircraft.cfg", true,
                                                      std::string(247, 'a')}));

TEST(ComposePathTest, FillsTheFieldExactlyAndRefusesOneMore) {
    char path[kPathCapacity];
    std::string head(250, 'h');
    EXPECT_TRUE(composePath(path, {head.c_str(), "123456789"}));
    EXPECT_EQ(std::strlen(path), 259u);
    EXPECT_FALSE(composePath(path, {head.c_str(), "1234567890"}));
    EXPECT_STREQ(path, "");
    // The guard sentinel after the field must stay untouched even for far longer parts.
    struct {
        char field[kPathCapacity];
        char guard[8];
    } padded;
    std::memset(padded.guard, 'g', sizeof padded.guard);
    std::string longPart(600, 'l');
    EXPECT_FALSE(composePath(padded.field, {"C:\\", longPart.c_str()}));
    EXPECT_EQ(std::string(padded.guard, sizeof padded.guard), std::string(8, 'g'));
}

TEST(ComposePathTest, MayAppendToItself) {
    char path[kPathCapacity] = "C:\\A\\aircraft.cfg";
    ASSERT_TRUE(keptCopyPath(path, path));
    EXPECT_STREQ(path, "C:\\A\\aircraft.cfg_ORIGINAL");
}

TEST(AircraftFilePathTest, JoinsTheChosenFolderAndTheName) {
    resetInstallerStateForTest();
    std::strcpy(installerState.aircraftCfgPath, "D:\\MD11\\aircraft.cfg");
    char path[kPathCapacity];
    ASSERT_TRUE(aircraftFilePath("Panel\\Panel.cfg", path));
    EXPECT_STREQ(path, "D:\\MD11\\Panel\\Panel.cfg");

    std::strcpy(installerState.aircraftCfgPath, "short.cfg");
    EXPECT_FALSE(aircraftFilePath("Panel\\Panel.cfg", path));
    EXPECT_STREQ(path, "");
}

} // namespace
