// Fixture for dialog tests: the scripted front end, a reset state record, a fresh start folder as
// the current directory, "MainDialog" open with the real procedure and an aircraft folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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
    void SetUp() override;
    // Also fails the test when queued answers were never asked for.
    void TearDown() override;

    WindowHandle dialog() const { return dialog_; }
    ScriptedFrontEnd& frontEnd() { return frontEnd_; }
    // Native form. The start folder is alone in a parent of its own, so what a test puts beside
    // it (the sound folder) no other test sees.
    std::string startFolder() const { return parent_.native("installer"); }
    std::string besideStartFolder(const std::string& name) const { return parent_.native(name); }
    void addSoundFolder() const { parent_.put("ZRK MD-11 sound/"); }
    // Fails the test for an unknown id.
    emulated::ControlView control(int id) const;
    std::string statusText() const { return control(IDC_STATUS).text; }

    // "Choose MD-11 aircraft" with the user picking that path (default: the aircraft's
    // aircraft.cfg) or, for nullopt, cancelling.
    void chooseAircraftFile(std::optional<std::string> corePath = "");
    // Clicks a control; a disabled or hidden one fails the test.
    void click(int id);
    // The one notice since the last click: the error box with that text, or without one the beep.
    void expectOnlyNotice(const std::string& errorText = "");
    // Of 1004, 1005, 1014, 1015, 1006 and the six layouts (in that order), the enabled or the
    // checked ones.
    std::vector<int> options(bool checked = false) const;

    AircraftFolder aircraft;

private:
    ScriptedFrontEnd frontEnd_;
    TestFolder parent_;
    std::optional<ScopedCurrentDirectory> inStartFolder_;
    WindowHandle dialog_ = nullptr;
    std::size_t noticesBeforeClick_ = 0;
};
