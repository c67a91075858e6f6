// Fixture for dialog tests: the scripted front end installed, the state record reset, the
// current directory a fresh start folder, and "MainDialog" open with the real procedure.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/emulated/dialog_manager.h"
#include "tests/support/dialog_test_helpers.h"
#include "tests/support/scripted_front_end.h"
#include "tests/support/test_files.h"

// Makes `folder` the current directory until destroyed.
class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::filesystem::path& folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::filesystem::path saved_;
};

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Closes the dialog, removes the front end and fails when queued answers were never used.
    void TearDown() override;

    WindowHandle dialog() const { return dialog_; }
    ScriptedFrontEnd& frontEnd() { return frontEnd_; }
    // The folder the dialog was started in (the current directory during the test), native form.
    // It is the only entry of a parent folder of its own, so that what tests put beside it
    // (the sibling sound folder) is seen by no other test.
    std::string startFolder() const { return parent_.native("installer"); }
    // A folder beside the start folder, native form; created by the caller.
    std::string besideStartFolder(const std::string& name) const { return parent_.native(name); }
    // Creates the sibling sound folder "..\ZRK MD-11 sound" of the start folder.
    void addSoundFolder() const { parent_.put("ZRK MD-11 sound/"); }
    // The live state of one control of the main dialog; fails the test for an unknown id.
    emulated::ControlView control(int id) const;

    // "Choose MD-11 aircraft" with the user picking corePath, or cancelling, in the file-open
    // dialog.
    void chooseAircraftFile(const std::string& corePath);
    void cancelAircraftChoice();
    // The ids among 1004, 1005, 1014, 1015, 1006 and the six radio buttons (in that order)
    // that are enabled, or checked, now.
    std::vector<int> enabledOptions() const;
    std::vector<int> checkedOptions() const;

private:
    ScriptedFrontEnd frontEnd_;
    TestFolder parent_;
    std::optional<ScopedCurrentDirectory> inStartFolder_;
    WindowHandle dialog_ = nullptr;
};
