// Fixture for dialog tests: the scripted front end, a reset state record, a fresh start folder as
// the current directory, "MainDialog" open with the real procedure and an aircraft folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

// Makes `folder` the current directory until destroyed.
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

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        emulated::setFrontEnd(&frontEnd_);
        resetInstallerStateForTest();
        parent_.put("installer/");
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

    // "Choose MD-11 aircraft" with the user picking that path ("": the aircraft's aircraft.cfg)
    // or, for nullopt, cancelling.
    void chooseAircraftFile(std::optional<std::string> corePath = "") {
        frontEnd_.queueOpenFile(corePath && corePath->empty() ? aircraft.cfgPath() : corePath);
        noticesBeforeClick_ = frontEnd_.notices.size();
        EXPECT_EQ(emulated::clickControl(dialog_, IDC_CHOOSE_AIRCRAFT), 1);
    }
    // A disabled or hidden control fails the test.
    void click(int id) {
        noticesBeforeClick_ = frontEnd_.notices.size();
        EXPECT_TRUE(emulated::clickControl(dialog_, id).has_value()) << id << " cannot be clicked";
    }
    // The one notice since the last click: the error box with that text, or without one the beep.
    void expectOnlyNotice(const std::string& errorText = "") {
        ASSERT_EQ(frontEnd_.notices.size(), noticesBeforeClick_ + 1);
        EXPECT_EQ(frontEnd_.notices.back(), errorText.empty()
                                                ? ScriptedFrontEnd::beepOf(0)
                                                : ScriptedFrontEnd::errorBox(errorText, dialog_));
    }
    // Of 1004, 1005, 1014, 1015, 1006 and the layouts, in that order: the enabled or checked ones.
    std::vector<int> options(bool checked = false) const {
        std::vector<int> ids;
        for (int id : {IDC_INSTALL, IDC_UNINSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS,
                       IDC_TRIMDESK, IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                       IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO}) {
            emulated::ControlView view = control(id);
            if (checked ? view.checkState != BST_UNCHECKED : view.enabled) {
                ids.push_back(id);
            }
        }
        return ids;
    }

    AircraftFolder aircraft;

private:
    ScriptedFrontEnd frontEnd_;
    TestFolder parent_;
    std::optional<ScopedCurrentDirectory> inStartFolder_;
    WindowHandle dialog_ = nullptr;
    std::size_t noticesBeforeClick_ = 0;
};
