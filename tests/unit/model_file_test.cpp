// The model-file check on real folders: the file it finds, the class its size and name give.
#include "analysis/model_file.h"

#include <cstring>
#include <gtest/gtest.h>

#include "app/installer_state.h"
#include "tests/support/aircraft_fixture.h"

namespace {

using Files = std::initializer_list<std::pair<std::string, std::uintmax_t>>;

// The model file's name that findModelFile gives among these files, or its non-zero code.
std::string findIn(Files files, const char* value, int* modelClass = nullptr) {
    AircraftFolder folder;
    for (const auto& [name, size] : files) {
        folder.addFile(name, size);
    }
    resetInstallerStateForTest();
    std::strcpy(installerState.aircraftCfgPath, folder.cfgPath().c_str());
    char name[kModelNameCapacity] = "";
    ResultCode code = findModelFile(value, name, modelClass);
    return code == resultOk ? name : std::to_string(code);
}

int classOf(const char* file, std::uintmax_t size) {
    int modelClass = 0;
    EXPECT_EQ(findIn({{std::string("model.x\\") + file, size}}, "x", &modelClass), file);
    return modelClass;
}

// Known sizes, the low 32 bits above 4 GB; pw at characters 6-7 counts above 4100000 bytes.
TEST(FindModelFile, ClassComesFromTheSizeAndTheName) {
    for (std::uintmax_t size : {4127528, 4123512, 4104072}) {
        EXPECT_EQ(classOf("MD11_GE_PAX.mdl", size), 1) << size;
    }
    for (std::uintmax_t size :
         {3153900ull, 3137924ull, 3190766ull, 3174790ull, (1ull << 32) + 3153900}) {
        EXPECT_EQ(classOf("MD11_GE_PAX.mdl", size), 2) << size;
    }
    EXPECT_EQ(classOf("MD11_PW_PAX.mdl", 4100000), 3);
    EXPECT_EQ(classOf("MD11_pW_PAX.mdl", 4100001), 1);
    EXPECT_EQ(classOf("MD1_PW_PAX.mdl", 5000000), 3);
}

// The first entry by name without regard to case; a name that fills its field, one too long.
TEST(FindModelFile, TakesTheFirstEntryThatFits) {
    const std::string stem(123, 'n');
    EXPECT_EQ(findIn({{"model.b\\B.mdl", 1}, {"Model.a\\A.mdl", 1}, {"amodel\\C.mdl", 1}}, nullptr),
              "A.mdl");
    EXPECT_EQ(findIn({{"model.c\\b.MDL", 1}, {"model.c\\A.mdl", 1}, {"model.c\\0.txt", 1}}, "c"),
              "A.mdl");
    EXPECT_EQ(findIn({{"model.c\\" + stem + ".mdl", 1}}, "c"), stem + ".mdl");
    EXPECT_EQ(findIn({{"model.c\\" + stem + "n.mdl", 1}}, "c"), "94");
}

} // namespace
