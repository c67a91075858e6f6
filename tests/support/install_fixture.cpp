// Fixture for dialog tests of "Install" and "Uninstall".
#include "tests/support/install_fixture.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* kResources[] = {
    "tuning_res/MD-11_zrk.air",         "tuning_res/sound.cfg",
    "trimdesk_res/Trimdesk.exe",        "trimdesk_res/Trimdesk-PAX-3C.ini",
    "trimdesk_res/Trimdesk-PAX-2C.ini", "trimdesk_res/Trimdesk-PAX-1C.ini",
    "trimdesk_res/Trimdesk-CBI-2C.ini", "trimdesk_res/Trimdesk-CBI-1C.ini",
    "trimdesk_res/Trimdesk-CARGO.ini",  "trimdesk_res/TD-MD11-PAX-3C.ini",
    "trimdesk_res/TD-MD11-PAX-3C.bmp",  "trimdesk_res/TD-MD11-PAX-2C.ini",
    "trimdesk_res/TD-MD11-PAX-2C.bmp",  "trimdesk_res/TD-MD11-PAX-1C.ini",
    "trimdesk_res/TD-MD11-PAX-1C.bmp",  "trimdesk_res/TD-MD11-CBI-2C.ini",
    "trimdesk_res/TD-MD11-CBI-2C.bmp",  "trimdesk_res/TD-MD11-CBI-1C.ini",
    "trimdesk_res/TD-MD11-CBI-1C.bmp",  "trimdesk_res/TD-MD11-CARGO.ini",
    "trimdesk_res/TD-MD11-CARGO.bmp",
};

const std::string kOwnPanel = "[Window Titles]\nWindow00=Main Panel\n\n[Window00]\n"
                              "file=panel.bmp\nsize_mm=1024\n";

} // namespace

std::string configHead(const std::string& simName) {
    return "// MD-11 as its author shipped it\n" + fltsim(simName, "", "MD-11", 0) +
           "texture=1\natc_airline=HOUSE\n\n" + fltsim(simName, "", "MD-11", 1) + "\n" +
           kGeneralSection + "editable=1\n\n";
}

std::string aircraftConfig(const std::string& simName) {
    return configHead(simName) + "[WEIGHT_AND_BALANCE]\nmax_gross_weight=630500\n"
                                 "empty_weight=285000\n\n[flight_tuning]\ncruise_lift_scalar=1.0\n";
}

std::string resourceBytes(const std::string& name) {
    return "resource " + name + std::string("\r\n\0\x1a\n", 5) + name;
}

void InstallDialogTest::SetUp() {
    MainDialogTest::SetUp();
    for (const char* name : kResources) {
        writeNativeFile(startFolder() + "/" + name, resourceBytes(name));
    }
}

void InstallDialogTest::layOutAircraft(const AircraftModel& model, LineEnds lineEnds) {
    model_ = &model;
    aircraft_.writeConfig(aircraftConfig(model.simName), lineEnds);
    aircraft_.addFile(std::string(model.simName) + ".air", model.airSize);
    if (model.modelFile != nullptr) {
        aircraft_.addModel("model", model.modelFile, model.modelSize);
    }
    aircraft_.writeTextFile("Panel\\Panel.cfg", kOwnPanel);
    aircraft_.writeFile("Panel\\panel.bmp", resourceBytes("own panel bitmap"));
}

void InstallDialogTest::removeResource(const std::string& relative) const {
    ASSERT_TRUE(std::filesystem::remove(startFolder() + "/" + relative)) << relative;
}

void InstallDialogTest::queueManualSettingsIfAsked() {
    // Only an aircraft that Install has not rewritten is analysed as an iFDG model.
    if (model_ != nullptr && model_->asksManualSettings &&
        aircraft_.readFile("aircraft.cfg").find("sim=MD-11_zrk") == std::string::npos) {
        frontEnd().queueClick("ManSetDialog", IDC_MANSET_OK);
    }
}

void InstallDialogTest::chooseAircraft() {
    queueManualSettingsIfAsked();
    chooseAircraftFile(aircraft_.cfgPath());
}

void InstallDialogTest::clickInstall() {
    EXPECT_EQ(emulated::clickControl(dialog(), IDC_INSTALL), 1) << "Install is not enabled";
}

void InstallDialogTest::clickUninstall() {
    EXPECT_EQ(emulated::clickControl(dialog(), IDC_UNINSTALL), 1) << "Uninstall is not enabled";
}

void InstallDialogTest::clickChooseSame() {
    queueManualSettingsIfAsked();
    EXPECT_EQ(emulated::clickControl(dialog(), IDC_CHOOSE_SAME), 1) << "Choose same is hidden";
}

void InstallDialogTest::installAndChooseAgain(const AircraftModel& model) {
    layOutAircraft(model);
    aircraft_.writeTextFile("Sound\\Sound.cfg", "[own sounds]\nengine=1\n");
    addSoundFolder();
    chooseAircraft();
    emulated::clickControl(dialog(), IDC_ENGINE_SOUNDS);
    ASSERT_EQ(getCheckState(dialog(), IDC_ENGINE_SOUNDS), BST_CHECKED);
    clickInstall();
    chooseAircraft();
    ASSERT_EQ(statusText(), "ZRK MD-11 panel already installed.\n");
}

std::vector<ScriptedFrontEnd::Notice> InstallDialogTest::noticesSince(std::size_t mark) {
    const std::vector<ScriptedFrontEnd::Notice>& all = frontEnd().notices();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end()};
}

void InstallDialogTest::expectOnlyErrorBox(std::size_t mark, const std::string& text) {
    const std::vector<ScriptedFrontEnd::Notice> notices = noticesSince(mark);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, ScriptedFrontEnd::NoticeKind::messageBox);
    EXPECT_EQ(notices[0].text, text);
    EXPECT_EQ(notices[0].caption, "ERROR from ZRK MD11 Panel installer");
    EXPECT_EQ(notices[0].style, 0x30u);
    EXPECT_EQ(notices[0].owner, dialog());
}

void InstallDialogTest::expectOnlySuccessBeep(std::size_t mark) {
    const std::vector<ScriptedFrontEnd::Notice> notices = noticesSince(mark);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, ScriptedFrontEnd::NoticeKind::beep);
    EXPECT_EQ(notices[0].style, 0u);
}

void InstallDialogTest::expectInstallControlsDisabled() {
    for (int id :
         {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK, IDC_PAX_3_CLASSES,
          IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS, IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO}) {
        EXPECT_FALSE(control(id).enabled) << id;
    }
    EXPECT_TRUE(control(IDC_CHOOSE_AIRCRAFT).enabled);
    EXPECT_TRUE(control(IDC_QUIT).enabled);
}
