// The configuration scanner on real aircraft folders: every refusal code, the accepting cases
// that depend on reading across sections, and what it leaves in the state record.
#include "analysis/config_scanner.h"

#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

#include "app/installer_state.h"
#include "platform/platform.h"
#include "tests/support/aircraft_fixture.h"

namespace {

// What a failed or non-iFDG scan must leave in modelVersion.
constexpr int kEarlierVersion = 7;

// Model folders of every case: value, file name and size, so class and family vary one at a
// time.
void addModels(AircraftFolder& folder) {
    folder.addModel("model", "MD11_GE_PAX.mdl", 3153900);     // "": 1.5
    folder.addModel("MODEL.ABC", "MD11_GE-CGO.mdl", 3137924); // 1.5, same 7 characters
    folder.addModel("model.v10", "MD11_GE_PAX.mdl", 4127528); // 1.0, same family
    folder.addModel("model.pw", "MD11_PW_PAX.mdl", 5000000);  // 1.0 by its pw
    folder.addModel("model.pw2", "MD11_PW_CGO.mdl", 4123512); // 1.0, same family as pw
    folder.addModel("model.dc10", "DC10_GE_PAX.mdl", 3153900);
    folder.addModel("model.gx", "MD11_GX_PAX.mdl", 3153900); // differs at the 7th
    folder.addModel("model.lower", "md11_ge_pax.mdl", 3153900);
    folder.addFile("model.empty\\readme.txt", 10);
}

struct ScanCase {
    const char* label;
    std::string config;
    ResultCode code;
    std::string simName;
    int modelVersion = kEarlierVersion;
    LineEnds lineEnds = LineEnds::crlf;
};

void PrintTo(const ScanCase& c, std::ostream* out) {
    *out << c.label;
}

// Counts opens and closes through the live file-operation table while it exists.
class OpenCloseCounter {
public:
    OpenCloseCounter() : saved_(fileOps()) {
        opens = closes = 0;
        real = saved_;
        fileOps().openFile = [](const char* path, FileAccess access) {
            RawFile* file = real.openFile(path, access);
            opens += file != nullptr ? 1 : 0;
            return file;
        };
        fileOps().closeFile = [](RawFile* file) {
            ++closes;
            return real.closeFile(file);
        };
    }
    ~OpenCloseCounter() { fileOps() = saved_; }
    static inline int opens = 0;
    static inline int closes = 0;
    static inline FileOps real{};

private:
    FileOps saved_;
};

class ScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanTest, ResultAndState) {
    const ScanCase& c = GetParam();
    AircraftFolder folder;
    addModels(folder);
    folder.writeConfig(c.config, c.lineEnds);
    resetInstallerStateForTest();
    std::strcpy(installerState.aircraftCfgPath, folder.cfgPath().c_str());
    std::strcpy(installerState.simName, "earlier");
    installerState.modelVersion = kEarlierVersion;

    OpenCloseCounter counter;
    EXPECT_EQ(scanAircraftConfig(installerState.aircraftCfgPath), c.code);
    EXPECT_EQ(std::string(installerState.simName), c.simName);
    EXPECT_EQ(installerState.modelVersion, c.modelVersion);
    EXPECT_EQ(OpenCloseCounter::opens, 1);
    EXPECT_EQ(OpenCloseCounter::closes, 1);
}

const std::string kLong(2047, 'x');

INSTANTIATE_TEST_SUITE_P(
    Accepted, ScanTest,
    ::testing::Values(
        ScanCase{"one section", fltsimSection(0, "MD-11", "") + kGeneralSection, 0, "MD-11", 2},
        ScanCase{"LF line ends", fltsimSection(0, "MD-11", "") + kGeneralSection, 0, "MD-11", 2,
                 LineEnds::lf},
        ScanCase{"last line without line end",
                 "[fltsim.0]\nsim=MD-11\nmodel=abc\npanel=\nui_type=MD11", 0, "MD-11", 2},
        ScanCase{"values equal but for case",
                 fltsimSection(0, "MD-11", "v10", "MD11") +
                     fltsimSection(1, "md-11", "V10", "md11"),
                 0, "MD-11", 1},
        ScanCase{"compatible models, pw",
                 fltsimSection(0, "MD-11", "pw") + fltsimSection(1, "MD-11", "pw2"), 0, "MD-11", 1},
        ScanCase{"compatible models, folder case",
                 fltsimSection(0, "md-11", "") + fltsimSection(1, "MD-11", "abc"), 0, "md-11", 2},
        ScanCase{"keys from a later section",
                 "[fltsim.0]\nsim=MD-11\n" + fltsimSection(1, "MD-11", "v10") + kGeneralSection, 0,
                 "MD-11", 1},
        ScanCase{"model= before sim= takes the next section's",
                 "[fltsim.0]\nmodel=\nsim=MD-11\n" + fltsimSection(1, "MD-11", "v10"), 0, "MD-11",
                 1},
        ScanCase{"search ends the file after all keys",
                 fltsimSection(0, "MD-11", "") + "[fltsim.1]\n", 0, "MD-11", 2},
        ScanCase{"lines before the first header",
                 "// installed\nsim=Other\npanel=own\n" + fltsimSection(0, "MD-11", ""), 0, "MD-11",
                 2},
        ScanCase{"panel installed", "[fltsim.0]\nsim=MD-11_zrk\n" + kGeneralSection, 0,
                 "MD-11_zrk"},
        ScanCase{
            "panel installed, rest unchecked",
            "[fltsim.0]\nsim=MD-11_ZRK\nmodel=a\npanel=own\n[fltsim.1]\nsim=md-11_zrk\nmodel=b\n",
            0, "MD-11_ZRK"},
        ScanCase{"other flight model, models not looked for",
                 fltsimSection(0, "MD11_GE", "nowhere") + fltsimSection(1, "MD11_GE", "nowhere"), 0,
                 "MD11_GE"},
        ScanCase{
            "values that fill their fields",
            fltsimSection(0, std::string(259, 's'), std::string(127, 'm'), std::string(255, 'u')),
            0, std::string(259, 's')}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ScanTest,
    ::testing::Values(
        ScanCase{"over-long line", kLong + "\n" + fltsimSection(0, "MD-11", ""), 51, ""},
        ScanCase{"over-long sim", fltsimSection(0, std::string(260, 's'), ""), 51, ""},
        ScanCase{"over-long model", fltsimSection(0, "MD11_GE", std::string(128, 'm')), 51,
                 "MD11_GE"},
        ScanCase{"over-long ui_type", fltsimSection(0, "MD11_GE", "", std::string(256, 'u')), 51,
                 "MD11_GE"},
        ScanCase{"empty file", "", 53, ""},
        ScanCase{"no header", "sim=MD-11\nmodel=\npanel=\nui_type=MD11\n", 53, ""},
        ScanCase{"[General] first", kGeneralSection + fltsimSection(0, "MD-11", ""), 53, ""},
        ScanCase{"single section, model= before sim=",
                 "[fltsim.0]\nmodel=\nsim=MD-11\npanel=\nui_type=MD11\n", 53, "MD-11"},
        ScanCase{"no ui_type", "[fltsim.0]\nsim=MD-11\nmodel=\npanel=\n" + kGeneralSection, 53,
                 "MD-11"},
        ScanCase{"sim differs", fltsimSection(0, "MD-11", "") + fltsimSection(1, "MD-11F", ""), 90,
                 "MD-11"},
        ScanCase{"sim checked before panel",
                 fltsimSection(0, "MD-11", "") + "[fltsim.1]\nsim=Other\npanel=own\n", 90, "MD-11"},
        ScanCase{"sim differs from installed",
                 fltsimSection(0, "MD-11_zrk", "") + fltsimSection(1, "MD-11", ""), 90,
                 "MD-11_zrk"},
        ScanCase{"models differ, other flight model",
                 fltsimSection(0, "MD11_GE", "a") + fltsimSection(1, "MD11_GE", "b"), 91,
                 "MD11_GE"},
        ScanCase{"models differ in class",
                 fltsimSection(0, "MD-11", "") + fltsimSection(1, "MD-11", "v10"), 91, "MD-11"},
        ScanCase{"models differ in family",
                 fltsimSection(0, "MD-11", "") + fltsimSection(1, "MD-11", "dc10"), 91, "MD-11"},
        ScanCase{"family differs at the 7th character",
                 fltsimSection(0, "MD-11", "") + fltsimSection(1, "MD-11", "gx"), 91, "MD-11"},
        ScanCase{"family differs in case only",
                 fltsimSection(0, "MD-11", "") + fltsimSection(1, "MD-11", "lower"), 91, "MD-11"},
        ScanCase{"panel with a value", "[fltsim.0]\nsim=MD-11\nmodel=\npanel=own\n", 92, "MD-11"},
        ScanCase{"panel with a blank", "[fltsim.0]\nsim=MD-11\nmodel=\npanel= \n", 92, "MD-11"},
        ScanCase{"ui_type differs",
                 fltsimSection(0, "MD-11", "", "MD11") + fltsimSection(1, "MD-11", "", "MD11F"), 93,
                 "MD-11"},
        ScanCase{"model folder missing", fltsimSection(0, "MD-11", "nowhere"), 94, "MD-11"},
        ScanCase{"no model file", fltsimSection(0, "MD-11", "empty"), 94, "MD-11"},
        ScanCase{"second model folder missing",
                 fltsimSection(0, "MD-11", "") + fltsimSection(1, "MD-11", "nowhere"), 94,
                 "MD-11"}));

TEST(ScanFileTest, MissingFileEmptiesSimName) {
    AircraftFolder folder;
    resetInstallerStateForTest();
    std::strcpy(installerState.simName, "MD-11");
    EXPECT_EQ(scanAircraftConfig(folder.cfgPath().c_str()), openFailed);
    EXPECT_STREQ(installerState.simName, "");
}

// Fails the second raw read, so the error comes in the middle of the file.
class SecondReadFails {
public:
    SecondReadFails() : saved_(fileOps()) {
        reads = 0;
        real = saved_.readFile;
        fileOps().readFile = [](RawFile* file, void* buffer, std::size_t size) {
            return ++reads == 2 ? std::ptrdiff_t{-1} : real(file, buffer, size);
        };
    }
    ~SecondReadFails() { fileOps() = saved_; }
    static inline int reads = 0;
    static inline std::ptrdiff_t (*real)(RawFile*, void*, std::size_t) = nullptr;

private:
    FileOps saved_;
};

TEST(ScanFileTest, ReadFailureEndsTheScanAndClosesTheFile) {
    AircraftFolder folder;
    addModels(folder);
    std::string padding;
    for (int i = 0; i < 400; ++i) {
        padding += "; padding line\n";
    }
    folder.writeConfig(fltsimSection(0, "MD-11", "") + padding + fltsimSection(1, "MD-11", ""));
    resetInstallerStateForTest();
    std::strcpy(installerState.aircraftCfgPath, folder.cfgPath().c_str());
    OpenCloseCounter counter;
    SecondReadFails failing;
    EXPECT_EQ(scanAircraftConfig(installerState.aircraftCfgPath), ioFailure);
    EXPECT_EQ(SecondReadFails::reads, 2);
    EXPECT_EQ(OpenCloseCounter::closes, 1);
}

} // namespace
