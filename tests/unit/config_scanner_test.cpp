// The scanner on real aircraft folders: every code, accepting cases, the state it leaves.
#include "analysis/config_scanner.h"

#include <cstring>
#include <gtest/gtest.h>

#include "app/installer_state.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/failing_file_ops.h"

namespace {

constexpr int kEarlier = 7; // modelVersion before the scan: kept unless an iFDG file is accepted

struct ScanCase {
    std::string config;
    ResultCode code;
    std::string simName;
    int modelVersion = kEarlier;
    unsigned failingOpen = 0, failingRead = 0; // which call of the kind fails (0: none)
};

class Scan : public testing::TestWithParam<ScanCase> {};

TEST_P(Scan, ResultAndState) {
    const ScanCase& c = GetParam();
    SCOPED_TRACE(c.config.substr(0, 100));
    AircraftFolder folder;
    // Model folder value: file name and size (version class).
    for (auto [value, file, size] : {std::tuple{"", "MD11_GE_PAX.mdl", 3153900}, // 1.5
                                     {".ABC", "MD11_GE-CGO.mdl", 3137924},       // 1.5
                                     {".v10", "MD11_GE_PAX.mdl", 4127528},       // 1.0
                                     {".pw", "MD11_PW_PAX.mdl", 5000000},        // 1.0 by pw
                                     {".pw2", "MD11_PW_CGO.mdl", 4123512},       // 1.0
                                     {".gx", "MD11_GX_PAX.mdl", 3153900}}) {     // 7th differs
        folder.addFile(std::string("MODEL") + value + "\\" + file, std::uintmax_t(size));
    }
    folder.addFile("model.empty\\readme.txt", 10);
    folder.writeConfig(c.config);
    resetInstallerStateForTest();
    std::strcpy(installerState.aircraftCfgPath, folder.cfgPath().c_str());
    std::strcpy(installerState.simName, "earlier");
    installerState.modelVersion = kEarlier;
    FailingFileOps failing;
    failing.failNth(FileCall::open, c.failingOpen);
    failing.failNth(FileCall::read, c.failingRead);

    EXPECT_EQ(scanAircraftConfig(installerState.aircraftCfgPath), c.code);
    EXPECT_EQ(installerState.simName, c.simName);
    EXPECT_EQ(installerState.modelVersion, c.modelVersion);
    EXPECT_EQ(failing.callCount(FileCall::open), 1u); // one reading; LSan sees a missed close
}

const std::string kOneAircraft = fltsim("MD-11") + kGeneralSection;

INSTANTIATE_TEST_SUITE_P(
    Codes, Scan,
    testing::Values(
        ScanCase{kOneAircraft, 0, "MD-11", 2},
        ScanCase{fltsim("MD-11", "v10") + fltsim("md-11", "V10", "md11"), 0, "MD-11", 1},
        ScanCase{fltsim("MD-11", "pw") + fltsim("MD-11", "pw2"), 0, "MD-11", 1},
        ScanCase{fltsim("md-11") + fltsim("MD-11", "abc"), 0, "md-11", 2},
        // Keys missing from a section come from the next; a key search may end the file.
        ScanCase{"[fltsim.0]\nsim=MD-11\n" + fltsim("MD-11", "v10") + kGeneralSection, 0, "MD-11",
                 1},
        ScanCase{fltsim("MD-11") + "[fltsim.1]\n", 0, "MD-11", 2},
        ScanCase{fltsim("MD-11") + "[fltsim]\n" + fltsim("MD-11F"), 0, "MD-11", 2},
        ScanCase{"// installed\nsim=Other\npanel=own\n" + kOneAircraft, 0, "MD-11", 2},
        ScanCase{"[fltsim.0]\nsim=MD-11_ZRK\nmodel=a\npanel=own\n[fltsim.1]\nsim=md-11_zrk\n", 0,
                 "MD-11_ZRK"},
        ScanCase{fltsim("MD11_GE", "nowhere") + fltsim("MD11_GE", "nowhere"), 0, "MD11_GE"},
        ScanCase{fltsim(std::string(259, 's'), std::string(127, 'm'), std::string(255, 'u')), 0,
                 std::string(259, 's')},
        // Refused
        ScanCase{kOneAircraft, 50, "", kEarlier, 1},
        ScanCase{std::string(2047, 'x') + "\n" + kOneAircraft, 51, ""},
        ScanCase{fltsim(std::string(260, 's')), 51, ""},
        ScanCase{fltsim("MD11_GE", std::string(128, 'm')), 51, "MD11_GE"},
        ScanCase{fltsim("MD11_GE", "", std::string(256, 'u')), 51, "MD11_GE"},
        ScanCase{kOneAircraft, 52, "", kEarlier, 0, 1}, ScanCase{"", 53, ""},
        ScanCase{kGeneralSection + kOneAircraft, 53, ""},
        ScanCase{"[fltsim.0]\nmodel=\nsim=MD-11\npanel=\nui_type=MD11\n", 53, "MD-11"},
        ScanCase{fltsim("MD-11") + fltsim("MD-11F"), 90, "MD-11"},
        ScanCase{fltsim("MD-11_zrk") + fltsim("MD-11"), 90, "MD-11_zrk"},
        ScanCase{fltsim("MD11_GE", "a") + fltsim("MD11_GE", "b"), 91, "MD11_GE"},
        ScanCase{fltsim("MD-11") + fltsim("MD-11", "v10"), 91, "MD-11"},
        ScanCase{fltsim("MD-11") + fltsim("MD-11", "gx"), 91, "MD-11"},
        ScanCase{"[fltsim.0]\nsim=MD-11\nmodel=\npanel= \n", 92, "MD-11"},
        ScanCase{fltsim("MD-11") + fltsim("MD-11", "", "MD11F"), 93, "MD-11"},
        ScanCase{fltsim("MD-11", "nowhere"), 94, "MD-11"},
        ScanCase{fltsim("MD-11", "empty"), 94, "MD-11"},
        ScanCase{fltsim("MD-11") + fltsim("MD-11", "nowhere"), 94, "MD-11"}));

} // namespace
