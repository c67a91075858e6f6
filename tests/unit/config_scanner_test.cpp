// The scanner on a real aircraft folder: every code, the accepting cases, the state it leaves, and
// the model file it takes: the first that fits, its class from its size and name.
#include "analysis/config_scanner.h"

#include <cstring>
#include <gtest/gtest.h>

#include "app/installer_state.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/failing_file_ops.h"

TEST(ScanAircraftConfig, GivesItsCodeAndLeavesSimNameAndVersion) {
    AircraftFolder folder;
    std::strcpy(installerState.aircraftCfgPath, folder.cfgPath().c_str());
    // Model folder value, its file and size, the version class: known sizes (low 32 bits above
    // 4 GB); pw at characters 6-7 makes 1.0 above 4100000 bytes. Then the first by name, any case.
    const std::tuple<std::string, std::string, std::uintmax_t, int> models[] = {
        {"", "MD11_GE_PAX.mdl", 3153900, 2},    {"abc", "MD11_GE-CGO.mdl", 3137924, 2},
        {"v10", "MD11_GE_PAX.mdl", 4127528, 1}, {"pw", "MD11_PW_PAX.mdl", 5000000, 1},
        {"pw2", "MD11_PW_CGO.mdl", 4123512, 1}, {"gx", "MD11_GX_PAX.mdl", 3153900, 2},
        {"a", "MD11_GE_PAX.mdl", 4104072, 1},   {"b", "MD11_GE_PAX.mdl", 3190766, 2},
        {"c", "MD11_GE_PAX.mdl", 3174790, 2},   {"d", "MD11_GE_PAX.mdl", (1ull << 32) + 3153900, 2},
        {"e", "MD11_PW_PAX.mdl", 4100000, 3},   {"f", "MD11_pW_PAX.mdl", 4100001, 1},
        {"g", "MD1_PW_PAX.mdl", 5000000, 3},    {"h", "A_11_GE_PAX.mdl", 3153900, 2},
        {"k", "MD11_GE_CGO.mdl", 4123512, 1}};
    folder.addFile("MODEL.h\\b_11_GE_PAX.MDL", 4127528);
    folder.addFile("MODEL.h\\0.txt", 4127528);
    folder.addFile("model.i\\" + std::string(123, 'i') + ".mdl", 3153900);
    folder.addFile("model.j\\" + std::string(124, 'j') + ".mdl", 3153900);
    for (const auto& [value, file, size, version] : models) {
        folder.addFile("MODEL" + (value.empty() ? "" : "." + value) + "\\" + file, size);
    }
    folder.addFile("model.empty\\readme.txt", 10);
    // The code, simName and modelVersion (7 before, kept unless an iFDG model is accepted).
    const auto scan = [&](const std::string& config, unsigned failingOpen = 0,
                          unsigned failingRead = 0) {
        folder.writeConfig(config);
        std::strcpy(installerState.simName, "earlier");
        installerState.modelVersion = 7;
        FailingFileOps failing;
        failing.failNth(FileCall::open, failingOpen);
        failing.failNth(FileCall::read, failingRead);
        const ResultCode code = scanAircraftConfig(installerState.aircraftCfgPath);
        EXPECT_EQ(failing.callCount(FileCall::open), 1u); // one reading, closed once opened
        EXPECT_EQ(failing.callCount(FileCall::close), failingOpen == 0 ? 1u : 0u);
        return std::to_string(code) + " " + installerState.simName + " " +
               std::to_string(installerState.modelVersion);
    };
    for (const auto& [value, file, size, version] : models) {
        EXPECT_EQ(scan(fltsim("MD-11", value)), "0 MD-11 " + std::to_string(version)) << value;
    }
    const std::string one = fltsim("MD-11") + kGeneralSection, s259(259, 's');
    const std::pair<std::string, std::string> cases[] = {
        {fltsim("MD-11", "i"), "0 MD-11 2"},
        {fltsim("MD-11", "v10") + fltsim("md-11", "V10", "md11"), "0 MD-11 1"},
        {fltsim("MD-11", "pw") + fltsim("MD-11", "pw2"), "0 MD-11 1"},
        {fltsim("md-11") + fltsim("MD-11", "abc"), "0 md-11 2"},
        {"[fltsim.0]\nsim=MD-11\n" + fltsim("MD-11", "v10") + kGeneralSection, "0 MD-11 1"},
        {fltsim("MD-11") + "[fltsim.1]\n", "0 MD-11 2"},
        {fltsim("MD-11") + "[fltsim]\n" + fltsim("MD-11F"), "0 MD-11 2"},
        {"// installed\nsim=Other\npanel=own\n" + one, "0 MD-11 2"},
        {"[fltsim.0]\nsim=MD-11_ZRK\nmodel=a\npanel=own\n[fltsim.1]\nsim=md-11_zrk\n",
         "0 MD-11_ZRK 7"},
        {fltsim("MD11_GE", "nowhere") + fltsim("MD11_GE", "nowhere"), "0 MD11_GE 7"},
        {fltsim(s259, std::string(127, 'm'), std::string(255, 'u')), "0 " + s259 + " 7"},
        {std::string(2047, 'x') + "\n" + one, "51  7"},
        {fltsim(s259 + "s"), "51  7"},
        {fltsim("MD11_GE", std::string(128, 'm')), "51 MD11_GE 7"},
        {fltsim("MD11_GE", "", std::string(256, 'u')), "51 MD11_GE 7"},
        {"", "53  7"},
        {kGeneralSection + one, "53  7"},
        {"[fltsim.0]\nmodel=\nsim=MD-11\npanel=\nui_type=MD11\n", "53 MD-11 7"},
        {"[fltsim.0]\nsim=MD-11\nmodel=\npanel=\nui\x7ftype=MD11\n", "53 MD-11 7"}, // DEL, not _
        {fltsim("MD-11") + fltsim("MD-11F"), "90 MD-11 7"},
        {fltsim("MD-11_zrk") + fltsim("MD-11"), "90 MD-11_zrk 7"},
        {fltsim("MD11_GE", "a") + fltsim("MD11_GE", "b"), "91 MD11_GE 7"},
        {fltsim("MD-11") + fltsim("MD-11", "v10"), "91 MD-11 7"},
        {fltsim("MD-11") + fltsim("MD-11", "gx"), "91 MD-11 7"},
        {"[fltsim.0]\nsim=MD-11\nmodel=\npanel= \n", "92 MD-11 7"},
        {fltsim("MD-11") + fltsim("MD-11", "", "MD11F"), "93 MD-11 7"},
        {fltsim("MD-11", "nowhere"), "94 MD-11 7"},
        {fltsim("MD-11", "empty"), "94 MD-11 7"},
        {fltsim("MD-11", "j"), "94 MD-11 7"},
        {fltsim("MD-11") + fltsim("MD-11", "nowhere"), "94 MD-11 7"}};
    for (const auto& [config, expected] : cases) {
        EXPECT_EQ(scan(config), expected) << config.substr(0, 100);
    }
    EXPECT_EQ(scan(one, 1), "50  7");
    EXPECT_EQ(scan(one, 0, 1), "52  7");
}
