// Fixture for dialog tests of "Install" and "Uninstall".
#include "tests/support/install_fixture.h"

std::string configHead(const std::string& simName) {
    return "// MD-11 as its author shipped it\n" + fltsim(simName, "", "MD-11", 0) +
           "texture=1\natc_airline=HOUSE\n\n" + fltsim(simName, "", "MD-11", 1) + "\n" +
           kGeneralSection + "editable=1\n\n";
}

std::string resourceBytes(const std::string& name) {
    return "resource " + name + std::string("\r\n\0\x1a\n", 5) + name;
}

void InstallDialogTest::SetUp() {
    MainDialogTest::SetUp();
    for (const char* name :
         {"tuning_res/MD-11_zrk.air", "tuning_res/sound.cfg", "trimdesk_res/Trimdesk.exe"}) {
        writeNativeFile(startFolder() + "/" + name, resourceBytes(name));
    }
    for (const std::string token : {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"}) {
        for (const std::string& name : {"Trimdesk-" + token + ".ini", "TD-MD11-" + token + ".ini",
                                        "TD-MD11-" + token + ".bmp"}) {
            writeNativeFile(startFolder() + "/trimdesk_res/" + name,
                            resourceBytes("trimdesk_res/" + name));
        }
    }
}

void InstallDialogTest::layOutAircraft(const AircraftModel& model) {
    model_ = &model;
    // The sections after [General] are the ones a rewrite replaces.
    aircraft_.writeConfig(configHead(model.simName) +
                          "[WEIGHT_AND_BALANCE]\nempty_weight=285000\n\n[flight_tuning]\n");
    aircraft_.addFile(std::string(model.simName) + ".air", model.airSize);
    if (model.modelFile != nullptr) {
        aircraft_.addModel("model", model.modelFile, model.modelSize);
    }
    aircraft_.writeTextFile("Panel\\Panel.cfg", "[Window Titles]\nWindow00=Main Panel\n");
}

void InstallDialogTest::chooseAircraft() {
    // Only an aircraft that Install has not rewritten is analysed as an iFDG model.
    if (model_ != nullptr && model_->asksManualSettings &&
        aircraft_.readFile("aircraft.cfg").find("sim=MD-11_zrk") == std::string::npos) {
        frontEnd().queueClick("ManSetDialog", IDC_MANSET_OK);
    }
    chooseAircraftFile(aircraft_.cfgPath());
}

void InstallDialogTest::click(int id) {
    noticesBeforeClick_ = frontEnd().notices().size();
    EXPECT_TRUE(emulated::clickControl(dialog(), id).has_value()) << id << " cannot be clicked";
}

void InstallDialogTest::expectOnlyNotice(const std::string& errorText) {
    const auto& notices = frontEnd().notices();
    ASSERT_EQ(notices.size(), noticesBeforeClick_ + 1);
    const ScriptedFrontEnd::Notice& notice = notices.back();
    const bool box = !errorText.empty();
    EXPECT_EQ(notice.kind,
              box ? ScriptedFrontEnd::NoticeKind::messageBox : ScriptedFrontEnd::NoticeKind::beep);
    EXPECT_EQ(notice.style, box ? 0x30u : 0u);
    EXPECT_EQ(notice.text, errorText);
    EXPECT_EQ(notice.caption, box ? "ERROR from ZRK MD11 Panel installer" : "");
    EXPECT_EQ(notice.owner, box ? dialog() : nullptr);
}

void InstallDialogTest::expectCommandControls(bool chooseSameShown) {
    for (int id : {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK,
                   IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS, IDC_COMBI_2_CLASSES,
                   IDC_COMBI_1_CLASS, IDC_CARGO, IDC_UNINSTALL}) {
        EXPECT_FALSE(control(id).enabled) << id;
    }
    EXPECT_EQ(control(IDC_CHOOSE_SAME).visible, chooseSameShown);
}
