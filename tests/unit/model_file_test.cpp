// The model-file check on real aircraft folders: which folder and file it finds, and the version
// class that the file's size and name give.
#include "analysis/model_file.h"

#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "app/installer_state.h"
#include "platform/platform.h"
#include "tests/support/aircraft_fixture.h"

namespace {

void chooseConfig(const std::string& cfgPath) {
    resetInstallerStateForTest();
    ASSERT_LT(cfgPath.size(), kPathCapacity);
    std::strcpy(installerState.aircraftCfgPath, cfgPath.c_str());
}

struct ClassCase {
    const char* fileName;
    std::uintmax_t size;
    int expected;
};

void PrintTo(const ClassCase& c, std::ostream* out) {
    *out << c.fileName << " " << c.size;
}

class ModelClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ModelClassTest, ClassFromSizeAndName) {
    const ClassCase& c = GetParam();
    AircraftFolder folder;
    folder.addModel("model.x", c.fileName, c.size);
    chooseConfig(folder.cfgPath());
    char name[kModelNameCapacity] = "";
    int modelClass = 0;
    ASSERT_EQ(findModelFile("x", name, &modelClass), resultOk);
    EXPECT_STREQ(name, c.fileName);
    EXPECT_EQ(modelClass, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ModelClassTest,
    ::testing::Values(
        ClassCase{"MD11_GE_PAX.mdl", 4127528, 1}, ClassCase{"MD11_GE_PAX.mdl", 4123512, 1},
        ClassCase{"MD11_GE_PAX.mdl", 4104072, 1}, ClassCase{"MD11_GE_PAX.mdl", 3153900, 2},
        ClassCase{"MD11_GE_PAX.mdl", 3137924, 2}, ClassCase{"MD11_GE_PAX.mdl", 3190766, 2},
        ClassCase{"MD11_GE_PAX.mdl", 3174790, 2}, ClassCase{"MD11_GE_PAX.mdl", 3153901, 3},
        // pw at the 6th and 7th characters, above 4100000 bytes only.
        ClassCase{"MD11_PW_PAX.mdl", 4100000, 3}, ClassCase{"MD11_pw_PAX.mdl", 4100001, 1},
        ClassCase{"MD11_Pw_PAX.mdl", 5000000, 1}, ClassCase{"MD11_GE_PAX.mdl", 5000000, 3},
        ClassCase{"MD1_PW_PAX.mdl", 5000000, 3}, ClassCase{"MD11_P.mdl", 5000000, 3},
        // The 3 GB size seen through its low 32 bits.
        ClassCase{"MD11_GE_PAX.mdl", 0x100000000ull + 3153900, 2}));

// An entry of the folder: a name ending in a backslash is a folder, anything else a file.
struct Entry {
    std::string name;
    std::uintmax_t size;
};

struct SearchCase {
    const char* label;
    std::vector<Entry> disk;
    const char* value; // null: any folder named model*
    ResultCode code;
    std::string fileName;
};

void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.label;
}

class ModelSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(ModelSearchTest, FindsTheFirstModelFile) {
    const SearchCase& c = GetParam();
    AircraftFolder folder;
    for (const Entry& entry : c.disk) {
        if (entry.name.back() == '\\') {
            folder.addFolder(entry.name);
        } else {
            folder.addFile(entry.name, entry.size);
        }
    }
    chooseConfig(folder.cfgPath());
    char name[kModelNameCapacity] = "unchanged";
    EXPECT_EQ(findModelFile(c.value, name, nullptr), c.code) << c.label;
    EXPECT_EQ(std::string(name), c.code == resultOk ? c.fileName : "unchanged") << c.label;
}

const std::string kLongStem(123, 'n');

INSTANTIATE_TEST_SUITE_P(
    Folders, ModelSearchTest,
    ::testing::Values(
        SearchCase{"other letter case", {{"MODEL.ABC\\MD11.mdl", 1}}, "abc", resultOk, "MD11.mdl"},
        SearchCase{
            "empty value", {{"model.x\\X.mdl", 1}, {"Model\\M.mdl", 1}}, "", resultOk, "M.mdl"},
        SearchCase{
            "trailing dots and blanks", {{"model.abc\\A.mdl", 1}}, "abc .", resultOk, "A.mdl"},
        SearchCase{"no value: first model* by name",
                   {{"model.b\\B.mdl", 1}, {"Model.a\\A.mdl", 1}, {"amodel\\C.mdl", 1}},
                   nullptr,
                   resultOk,
                   "A.mdl"},
        SearchCase{"first .mdl by name, any case",
                   {{"model.abc\\b.MDL", 1}, {"model.abc\\A.mdl", 1}, {"model.abc\\0.txt", 1}},
                   "abc",
                   resultOk,
                   "A.mdl"},
        SearchCase{"name fills the field",
                   {{"model.abc\\" + kLongStem + ".mdl", 1}},
                   "abc",
                   resultOk,
                   kLongStem + ".mdl"},
        SearchCase{"name one too long",
                   {{"model.abc\\" + kLongStem + "n.mdl", 1}},
                   "abc",
                   modelFileMissing,
                   ""},
        SearchCase{"no such folder", {{"model.abd\\A.mdl", 1}}, "abc", modelFileMissing, ""},
        SearchCase{"no model* entry", {{"other\\A.mdl", 1}}, nullptr, modelFileMissing, ""},
        SearchCase{"entry is a file", {{"model.abc", 10}}, "abc", modelFileMissing, ""},
        SearchCase{"no .mdl inside", {{"model.abc\\readme.txt", 1}}, "abc", modelFileMissing, ""},
        SearchCase{"first .mdl is a folder",
                   {{"model.abc\\a.mdl\\", 0}, {"model.abc\\b.mdl", 1}},
                   "abc",
                   modelFileMissing,
                   ""}));

// Counts the searches of the live file-operation table while it exists.
class FindCounter {
public:
    FindCounter() : saved_(fileOps()) {
        calls = 0;
        savedFind = saved_.findFirst;
        fileOps().findFirst = [](const char* path, FindResult* result) {
            ++calls;
            return savedFind(path, result);
        };
    }
    ~FindCounter() { fileOps() = saved_; }
    static inline int calls = 0;
    static inline bool (*savedFind)(const char*, FindResult*) = nullptr;

private:
    FileOps saved_;
};

TEST(ModelFilePathTest, PathsThatDoNotFitAreNotSearched) {
    FindCounter counter;
    // The aircraft folder is 244 characters; "model." and a 10-character value make 260.
    chooseConfig("C:\\" + std::string(240, 'a') + "\\aircraft.cfg");
    char name[kModelNameCapacity] = "";
    EXPECT_EQ(findModelFile("abcdefghij", name, nullptr), modelFileMissing);
    chooseConfig("a.cfg");
    EXPECT_EQ(findModelFile("abc", name, nullptr), modelFileMissing);
    EXPECT_EQ(FindCounter::calls, 0);
}

} // namespace
