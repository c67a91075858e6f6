// Fixture for dialog tests: the scripted front end installed, the state record reset, the
// current directory a fresh start folder, and "MainDialog" open with the real procedure.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/emulated/dialog_manager.h"
#include "tests/support/dialog_test_helpers.h"
#include "tests/support/scripted_front_end.h"
#include "tests/support/test_paths.h"

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
    // The folder the dialog was started in (the current directory during the test).
    const TemporaryFolder& startFolder() const { return startFolder_; }
    // The live state of one control of the main dialog; fails the test for an unknown id.
    emulated::ControlView control(int id) const;

private:
    ScriptedFrontEnd frontEnd_;
    TemporaryFolder startFolder_;
    std::optional<ScopedCurrentDirectory> inStartFolder_;
    WindowHandle dialog_ = nullptr;
};
