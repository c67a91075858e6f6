// Dialog tests: the scripted front end, a reset state record, a fresh start folder with the
// product's resources as the current directory, "MainDialog" open, an aircraft of any family.
#pragma once

#include "app/installer_state.h"
#include "app/main_dialog.h"
#include "platform/emulated/dialog_manager.h"
#include "resources/control_ids.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/scripted_front_end.h"

// A module handle that no real module has, to see it come back from the state record.
inline ModuleHandle testModule() {
    static char marker;
    return reinterpret_cast<ModuleHandle>(&marker);
}

struct ScopedCurrentDirectory {
    explicit ScopedCurrentDirectory(const std::filesystem::path& folder) {
        std::filesystem::current_path(folder);
    }
    ~ScopedCurrentDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(saved, ignored);
    }
    const std::filesystem::path saved = std::filesystem::current_path();
};

// An aircraft that identifies as one model family, and what the Install test does with it.
struct Family {
    const char* name;
    const char* sim;          // of every aircraft section
    std::uintmax_t airSize;   // of <sim>.air
    const char* modelFile;    // in the folder "model", or null
    std::uintmax_t modelSize; // chooses the version; 2000000 brings up "ManSetDialog"
    std::vector<int> clicks;  // after the choice; brakes and load editor start checked
    std::string layout;       // the load editor's, or empty when it is left out
    std::string missing = ""; // a resource taken away, whose copy then does not take place
    friend void PrintTo(const Family& family, std::ostream* out) { *out << family.name; }
};

// clang-format off
inline const Family kFamilies[] = {
    {"Corvane", "md11", 10015, nullptr, 0, {IDC_ENGINE_SOUNDS, IDC_PAX_2_CLASSES}, "PAX-2C"},
    {"Overland", "Md11", 8756, nullptr, 0, {IDC_REALISTIC_BRAKES, IDC_PAX_1_CLASS}, "PAX-1C",
     "trimdesk_res/TD-MD11-PAX-1C.bmp"},
    {"Ifdg10", "MD-11", 8336, "MD11PG.mdl", 4127528, {IDC_ENGINE_SOUNDS}, "PAX-3C"},
    {"IfdgOther", "MD-11", 8336, "MD11PG.mdl", 2000000,
     {IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK}, "", "tuning_res/MD-11_zrk.air"},
    {"Combi", "MD-11", 8336, "MD11CG.mdl", 3153900, {IDC_ENGINE_SOUNDS}, "CBI-2C"},
    {"CombiPw", "MD-11", 8336, "MD11CP.mdl", 4127528,
     {IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_COMBI_1_CLASS}, "CBI-1C"},
    {"Cargo", "MD-11", 8336, "MD11FP.mdl", 3153900, {}, "CARGO"},
};
// clang-format on
inline const char* const kLayouts[] = {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"};

// aircraft.cfg up to the end of [General], with that sim=: what a rewrite copies.
inline std::string configHead(const std::string& sim) {
    return "// MD-11 as its author shipped it\n" + fltsim(sim, "", "MD-11", 0) +
           "texture=1\natc_airline=HOUSE\n\n" + fltsim(sim, "", "MD-11", 1) + "\n" +
           kGeneralSection + "editable=1\n\n";
}

// Different for each resource, with CR, LF, NUL and 0x1A among them.
inline std::string resourceBytes(const std::string& name) {
    return "resource " + name + std::string("\r\n\0\x1a\n", 5) + name;
}

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        emulated::setFrontEnd(&frontEnd_);
        resetInstallerStateForTest();
        for (std::string name :
             {"tuning_res/MD-11_zrk.air", "tuning_res/sound.cfg", "trimdesk_res/Trimdesk.exe"}) {
            parent_.put("installer/" + name, resourceBytes(name));
        }
        for (const std::string layout : kLayouts) {
            for (std::string name : {"Trimdesk-" + layout + ".ini", "TD-MD11-" + layout + ".ini",
                                     "TD-MD11-" + layout + ".bmp"}) {
                parent_.put("installer/trimdesk_res/" + name,
                            resourceBytes("trimdesk_res/" + name));
            }
        }
        inStartFolder_.emplace(startFolder());
        dialog_ = emulated::openDialogForTest("MainDialog", mainDialogProc, testModule());
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        emulated::closeDialogForTest(dialog_);
        emulated::setFrontEnd(nullptr);
        inStartFolder_.reset();
        EXPECT_EQ(frontEnd_.pendingAnswers(), 0u) << "queued answers were never asked for";
    }

    WindowHandle dialog() const { return dialog_; }
    ScriptedFrontEnd& frontEnd() { return frontEnd_; }
    // Native form; alone in a parent of its own, so no other test sees the sound folder beside it.
    std::string startFolder() const { return parent_.native("installer"); }
    void addSoundFolder() { parent_.put("ZRK MD-11 sound/"); }
    emulated::ControlView control(int id) const {
        std::optional<emulated::ControlView> view = emulated::controlView(dialog_, id);
        EXPECT_TRUE(view.has_value()) << "no control " << id;
        return view.value_or(emulated::ControlView{});
    }
    std::string statusText() const { return control(IDC_STATUS).text; }

    // The user picking that path ("": the aircraft's aircraft.cfg) or, for nullopt, cancelling.
    void chooseAircraftFile(std::optional<std::string> corePath = "") {
        frontEnd_.queueOpenFile(corePath && corePath->empty() ? aircraft.cfgPath() : corePath);
        EXPECT_EQ(click(IDC_CHOOSE_AIRCRAFT), 1); // handled
    }
    // A disabled or hidden control fails the test.
    std::optional<DialogResult> click(int id) {
        noticesBeforeClick_ = frontEnd_.notices.size();
        std::optional<DialogResult> handled = emulated::clickControl(dialog_, id);
        EXPECT_TRUE(handled.has_value()) << id << " cannot be clicked";
        return handled;
    }
    // As after a command: the one notice since the last click (the error box with that text, or
    // without one the beep), the options disabled, "Choose same" shown or not.
    void expectEnd(const std::string& errorText = "", bool chooseSameShown = false) {
        ASSERT_EQ(frontEnd_.notices.size(), noticesBeforeClick_ + 1);
        EXPECT_EQ(frontEnd_.notices.back(), errorText.empty()
                                                ? ScriptedFrontEnd::beepOf(0)
                                                : ScriptedFrontEnd::errorBox(errorText, dialog_));
        EXPECT_EQ(options(), std::vector<int>{});
        EXPECT_EQ(control(IDC_CHOOSE_SAME).visible, chooseSameShown);
    }
    // The enabled (or checked) ones of the commands, options and layouts.
    std::vector<int> options(bool checked = false) const {
        std::vector<int> ids;
        for (int id : {IDC_INSTALL, IDC_UNINSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS,
                       IDC_TRIMDESK, IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                       IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO}) {
            if (checked ? control(id).checkState != BST_UNCHECKED : control(id).enabled) {
                ids.push_back(id);
            }
        }
        return ids;
    }
    // With its own Panel\Panel.cfg and sections after [General] that a rewrite replaces.
    static void layOut(AircraftFolder& folder, const Family& family) {
        folder.writeConfig(configHead(family.sim) +
                           "[WEIGHT_AND_BALANCE]\nempty_weight=285000\n\n[flight_tuning]\n");
        folder.addFile(std::string(family.sim) + ".air", family.airSize);
        if (family.modelFile != nullptr) {
            folder.addFile(std::string("model\\") + family.modelFile, family.modelSize);
        }
        folder.writeTextFile("Panel\\Panel.cfg", "[Window Titles]\nWindow00=Main Panel\n");
    }

    AircraftFolder aircraft;

private:
    ScriptedFrontEnd frontEnd_;
    TestFolder parent_;
    std::optional<ScopedCurrentDirectory> inStartFolder_;
    WindowHandle dialog_ = nullptr;
    std::size_t noticesBeforeClick_ = 0;
};
